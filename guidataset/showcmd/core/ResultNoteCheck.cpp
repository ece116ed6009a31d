#include "guidataset/showcmd/core/ResultNoteCheck.h"

#include "guidataset/showcmd/core/ShowCommandResultFile.h"

namespace {

std::size_t CountCharacters(std::string_view text)
{
    std::size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

} // namespace

ResultSaveProblem CheckResultBeforeSave(std::string_view resultText, std::string_view note)
{
    if (CountCharacters(note) > kShowCommandNoteMaxChars)
        return ResultSaveProblem::NoteTooLong;
    if (note.find(kShowCommandNoteMarkerLine) != std::string_view::npos)
        return ResultSaveProblem::NoteHoldsMarker;
    if (resultText.find(kShowCommandNoteMarkerLine) != std::string_view::npos)
        return ResultSaveProblem::TextHoldsMarker;
    return ResultSaveProblem::None;
}

std::string ResultSaveProblemMessage(ResultSaveProblem problem)
{
    const std::string marker(kShowCommandNoteMarkerLine);
    switch (problem) {
    case ResultSaveProblem::NoteTooLong:
        return "The note is longer than " + std::to_string(kShowCommandNoteMaxChars) +
               " characters. Shorten it, then save again; nothing was saved.";
    case ResultSaveProblem::NoteHoldsMarker:
        return "The note holds the line \"" + marker +
               "\", which the result file uses to mark where the note begins. Change that line, then save "
               "again; nothing was saved.";
    case ResultSaveProblem::TextHoldsMarker:
        return "The result text holds the line \"" + marker +
               "\", which the result file uses to mark where the note begins. Change that line, then save "
               "again; nothing was saved.";
    case ResultSaveProblem::None:
        break;
    }
    return {};
}

std::string WithCrLfLineEnds(std::string_view text)
{
    std::string out;
    // The reader's normalisation treats a leading CR as text; the editors never hold one.
    NormaliseShowCommandLineEnds(text, out);
    return out;
}

std::string WithLfLineEnds(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out.push_back('\n');
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}
