#include "host/richtext/RtfReader.h"

#include "host/richtext/Utf8.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <optional>
#include <vector>

namespace richtext {

namespace {

// Groups nest a few dozen deep in real files; far deeper is damage or an attack.
constexpr std::size_t kMaxDepth = 1000;
// RTF limits control words to 32 letters and parameters to 10 characters.
constexpr std::size_t kMaxWordLength = 32;
constexpr std::size_t kMaxParamDigits = 10;

// Windows-1252 0x80..0x9F; other bytes of that code page are Latin-1.
constexpr std::array<std::uint16_t, 32> kCp1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// Destinations whose content is not part of the text.
constexpr std::array<std::string_view, 62> kSkippedDestinations = {
    "stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf", "footer",
    "footerl", "footerr", "footerf", "footnote", "listtable", "listoverridetable", "rsidtbl",
    "generator", "xmlnstbl", "themedata", "colorschememapping", "latentstyles", "datastore",
    "pgdsctbl", "revtbl", "filetbl", "fldinst", "nonshppict", "shppict", "bkmkstart", "bkmkend",
    "annotation", "atnid", "atnauthor", "comment", "doccomm", "title", "subject", "author",
    "operator", "keywords", "company", "creatim", "revtim", "printim", "buptim", "mmathPr",
    "panose", "falt", "leveltext", "levelnumbers", "listname", "passwordhash", "wgrffmtfilter",
    "docvar", "xe", "tc", "txe", "sp", "sn", "sv", "objdata", "template"};

enum class Destination { Text, FontTable, ColorTable, Skip };

struct GroupState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int colour = 0;
    int highlight = 0;
    int halfPoints = 0;
    int unicodeSkip = 1;
    Destination destination = Destination::Text;
};

class CRtfParser {
public:
    explicit CRtfParser(std::string_view in) : m_in(in) {}

    RtfReadResult Run()
    {
        RtfReadResult result;
        std::size_t start = 0;
        if (m_in.substr(0, 3) == "\xEF\xBB\xBF")
            start = 3;
        while (start < m_in.size() && std::strchr(" \t\r\n", m_in[start]) && m_in[start] != '\0')
            ++start;
        if (start == m_in.size()) {
            result.error = "The file is empty.";
            return result;
        }
        if (m_in.substr(start, 5) != "{\\rtf") {
            result.error = "The file is not RTF text: it does not begin with {\\rtf.";
            return result;
        }
        m_pos = start;
        if (!Parse()) {
            result.error = m_error;
            return result;
        }
        Finish();
        result.ok = true;
        result.text = std::move(m_text);
        return result;
    }

private:
    bool Fail(std::string message)
    {
        m_error = std::move(message);
        return false;
    }
    bool CutShort()
    {
        return Fail("The RTF text is cut short: it ends inside a group that is never closed.");
    }

    bool Parse()
    {
        while (m_pos < m_in.size()) {
            const char c = m_in[m_pos];
            if (c == '{') {
                FlushBytes();
                if (m_stack.size() >= kMaxDepth)
                    return Fail("The RTF text is damaged: its groups nest too deeply to be read.");
                m_stack.push_back(m_state);
                m_skipFallback = 0;
                ++m_pos;
            } else if (c == '}') {
                FlushBytes();
                EndColourEntryIfOpen();
                m_state = m_stack.back();
                m_stack.pop_back();
                m_skipFallback = 0;
                ++m_pos;
                if (m_stack.empty())
                    return true;   // whatever follows the document's group is not part of it
            } else if (c == '\\') {
                if (!ControlSequence())
                    return false;
            } else if (c == '\r' || c == '\n') {
                ++m_pos;
            } else if (c == '\0') {
                return Fail("The RTF text is damaged: it holds binary data where text belongs.");
            } else {
                ++m_pos;
                TextByte(static_cast<unsigned char>(c));
            }
        }
        return CutShort();
    }

    bool ControlSequence()
    {
        ++m_pos;
        if (m_pos >= m_in.size())
            return CutShort();
        const char c = m_in[m_pos];
        if (std::isalpha(static_cast<unsigned char>(c)))
            return ControlWord();
        ++m_pos;
        switch (c) {
        case '\'': {
            if (m_pos + 2 > m_in.size())
                return CutShort();
            unsigned value = 0;
            const char* digits = m_in.data() + m_pos;
            const auto [end, error] = std::from_chars(digits, digits + 2, value, 16);
            if (error != std::errc() || end != digits + 2)
                return Fail("The RTF text is damaged: \\' is not followed by two hexadecimal digits.");
            m_pos += 2;
            TextByte(static_cast<unsigned char>(value));
            return true;
        }
        case '*':
            m_state.destination = Destination::Skip;
            return true;
        case '\\':
        case '{':
        case '}':
            TextByte(static_cast<unsigned char>(c));
            return true;
        case '~':
            Character(0x00A0);
            return true;
        case '_':
            Character(0x2011);
            return true;
        case '\r':
        case '\n':
            Character('\n');
            return true;
        default:   // \- optional hyphen, \: index entries and the like
            return true;
        }
    }

    bool ControlWord()
    {
        const std::size_t wordStart = m_pos;
        while (m_pos < m_in.size() && std::isalpha(static_cast<unsigned char>(m_in[m_pos])))
            ++m_pos;
        const std::string_view word = m_in.substr(wordStart, m_pos - wordStart);
        if (word.size() > kMaxWordLength)
            return Fail("The RTF text is damaged: a control word is longer than RTF allows.");
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (m_pos < m_in.size() && m_in[m_pos] == '-') {
            negative = true;
            ++m_pos;
        }
        const std::size_t digitStart = m_pos;
        while (m_pos < m_in.size() && std::isdigit(static_cast<unsigned char>(m_in[m_pos]))) {
            if (m_pos - digitStart >= kMaxParamDigits)
                return Fail("The RTF text is damaged: a control word's number is longer than RTF allows.");
            param = param * 10 + (m_in[m_pos] - '0');
            ++m_pos;
        }
        hasParam = m_pos > digitStart;
        if (negative)
            param = -param;
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos;   // the delimiting space belongs to the control word
        if (m_pos >= m_in.size())
            return CutShort();

        if (word == "bin") {
            // Binary data: skip its bytes without reading them as RTF.
            const long long count = std::max(0LL, param);
            if (static_cast<unsigned long long>(count) > m_in.size() - m_pos)
                return CutShort();
            m_pos += static_cast<std::size_t>(count);
            return true;
        }
        const int value = static_cast<int>(std::clamp<long long>(param, -2147483647LL, 2147483647LL));
        Word(word, hasParam, value);
        return true;
    }

    void Word(std::string_view word, bool hasParam, int value)
    {
        if (m_state.destination == Destination::Skip)
            return;
        if (word == "u") {
            FlushBytes();
            UnicodeUnit(value < 0 ? value + 0x10000 : value);
            m_skipFallback = m_state.unicodeSkip;
            return;
        }
        if (m_skipFallback > 0) {
            --m_skipFallback;   // a control word in a \u fallback counts as one character
            return;
        }
        if (word == "fonttbl") {
            m_state.destination = Destination::FontTable;
        } else if (word == "colortbl") {
            m_state.destination = Destination::ColorTable;
        } else if (std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), word) !=
                   kSkippedDestinations.end()) {
            m_state.destination = Destination::Skip;
        } else if (m_state.destination == Destination::ColorTable) {
            const int level = std::clamp(value, 0, 255);
            if (word == "red")
                m_red = level, m_colourOpen = true;
            else if (word == "green")
                m_green = level, m_colourOpen = true;
            else if (word == "blue")
                m_blue = level, m_colourOpen = true;
        } else if (word == "ansicpg") {
            m_codePage = value;
        } else if (word == "uc") {
            m_state.unicodeSkip = std::clamp(value, 0, 10);
        } else if (m_state.destination != Destination::Text) {
            // Font table entries carry their own control words; none matter here.
        } else if (word == "b") {
            m_state.bold = !hasParam || value != 0;
        } else if (word == "i") {
            m_state.italic = !hasParam || value != 0;
        } else if (word == "ulnone") {
            m_state.underline = false;
        } else if (word.starts_with("ul") && word != "ulc") {
            m_state.underline = !hasParam || value != 0;   // \ul, \uld, \uldb, \ulw, ...
        } else if (word == "plain") {
            const int skip = m_state.unicodeSkip;
            const Destination destination = m_state.destination;
            m_state = GroupState{};
            m_state.unicodeSkip = skip;
            m_state.destination = destination;
        } else if (word == "cf") {
            m_state.colour = value;
        } else if (word == "highlight" || word == "cb" || word == "chcbpat") {
            m_state.highlight = value;
        } else if (word == "fs") {
            m_state.halfPoints = std::clamp(value, 0, 3276);
        } else if (word == "par" || word == "line" || word == "sect" || word == "page" || word == "row") {
            Character('\n');
        } else if (word == "tab" || word == "cell") {
            Character('\t');
        } else if (word == "emdash") {
            Character(0x2014);
        } else if (word == "endash") {
            Character(0x2013);
        } else if (word == "lquote") {
            Character(0x2018);
        } else if (word == "rquote") {
            Character(0x2019);
        } else if (word == "ldblquote") {
            Character(0x201C);
        } else if (word == "rdblquote") {
            Character(0x201D);
        } else if (word == "bullet") {
            Character(0x2022);
        } else if (word == "emspace" || word == "enspace" || word == "qmspace") {
            Character(' ');
        }
    }

    // A byte of text, literal or \'xx: in the document's code page.
    void TextByte(unsigned char byte)
    {
        if (m_skipFallback > 0) {
            --m_skipFallback;
            return;
        }
        if (m_state.destination == Destination::ColorTable) {
            if (byte == ';')
                EndColourEntry();
            return;
        }
        if (m_state.destination == Destination::FontTable) {
            if (byte == ';')
                m_fontNameDone = m_fontNameDone || !m_fontName.empty();
            else if (!m_fontNameDone)
                m_fontName += static_cast<char>(byte);
            return;
        }
        if (m_state.destination != Destination::Text)
            return;
        if (byte >= 0x80) {
            m_bytes += static_cast<char>(byte);
            return;
        }
        FlushBytes();
        Character(byte);
    }

    void UnicodeUnit(int unit)
    {
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            m_highSurrogate = static_cast<std::uint32_t>(unit);
            return;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF && m_highSurrogate) {
            const std::uint32_t cp = 0x10000 + ((m_highSurrogate - 0xD800) << 10) + (unit - 0xDC00);
            m_highSurrogate = 0;
            Character(cp);
            return;
        }
        m_highSurrogate = 0;
        Character(static_cast<std::uint32_t>(unit));
    }

    void Character(std::uint32_t cp)
    {
        if (m_state.destination != Destination::Text)
            return;
        // Of the control characters only paragraph ends and tabs belong in a
        // result's text; a \u0 or a stray control byte would corrupt it.
        if ((cp < 0x20 && cp != '\n' && cp != '\t') || cp == 0x7F)
            return;
        FlushBytes();
        std::vector<RtfRun>& runs = m_text.runs;
        if (cp == '\n' && !runs.empty()) {
            // Paragraph ends go with the text before them, so that a paragraph
            // of one format stays one run.
            runs.back().text += '\n';
            return;
        }
        RtfRun format;
        format.bold = m_state.bold;
        format.italic = m_state.italic;
        format.underline = m_state.underline;
        format.color = TableColour(m_state.colour);
        format.highlight = TableColour(m_state.highlight);
        format.halfPoints = m_state.halfPoints;
        if (runs.empty() || !runs.back().SameFormat(format))
            runs.push_back(std::move(format));
        AppendUtf8(runs.back().text, cp);
    }

    std::optional<RtfColor> TableColour(int index) const
    {
        if (index <= 0 || static_cast<std::size_t>(index) >= m_colours.size())
            return std::nullopt;
        return m_colours[static_cast<std::size_t>(index)];
    }

    void EndColourEntry()
    {
        if (m_colourOpen)
            m_colours.push_back(RtfColor{static_cast<std::uint8_t>(m_red), static_cast<std::uint8_t>(m_green),
                                         static_cast<std::uint8_t>(m_blue)});
        else
            m_colours.push_back(std::nullopt);   // the automatic colour
        m_red = m_green = m_blue = 0;
        m_colourOpen = false;
    }
    // Some writers leave out the ';' after the table's last colour.
    void EndColourEntryIfOpen()
    {
        if (m_state.destination == Destination::ColorTable && m_colourOpen)
            EndColourEntry();
    }

    void FlushBytes()
    {
        if (m_bytes.empty())
            return;
        std::string bytes;
        bytes.swap(m_bytes);
        if (m_codePage == 65001) {
            std::size_t pos = 0;
            while (pos < bytes.size())
                AppendDecoded(DecodeUtf8(bytes, pos));
            return;
        }
        if (m_codePage != 1252 && m_codePage > 0 && DecodeWithIconv(bytes))
            return;
        for (unsigned char byte : bytes)
            AppendDecoded(byte < 0xA0 ? kCp1252High[byte - 0x80] : byte);
    }

    // Code pages other than 1252 (Central European, Cyrillic, the East Asian
    // double-byte ones) through the C library's converters.
    bool DecodeWithIconv(const std::string& bytes)
    {
        const std::string name = "CP" + std::to_string(m_codePage);
        iconv_t cd = iconv_open("UTF-8", name.c_str());
        if (cd == reinterpret_cast<iconv_t>(-1))
            return false;
        std::string out(bytes.size() * 4 + 4, '\0');
        char* inPtr = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        char* outPtr = out.data();
        std::size_t outLeft = out.size();
        while (inLeft > 0) {
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
                if (outLeft < 3)
                    break;
                // An undecodable byte becomes U+FFFD; the rest goes on.
                std::memcpy(outPtr, "\xEF\xBF\xBD", 3);
                outPtr += 3;
                outLeft -= 3;
                ++inPtr;
                --inLeft;
            }
        }
        iconv_close(cd);
        out.resize(out.size() - outLeft);
        std::size_t pos = 0;
        while (pos < out.size())
            AppendDecoded(DecodeUtf8(out, pos));
        return true;
    }

    void AppendDecoded(std::uint32_t cp)
    {
        // Called from FlushBytes, which must not recurse into itself.
        std::string pending;
        pending.swap(m_bytes);
        Character(cp);
        m_bytes.swap(pending);
    }

    void Finish()
    {
        FlushBytes();
        std::vector<RtfRun>& runs = m_text.runs;
        // The last paragraph's \par ends the text; it adds no empty paragraph.
        if (!runs.empty() && !runs.back().text.empty() && runs.back().text.back() == '\n')
            runs.back().text.pop_back();
        std::erase_if(runs, [](const RtfRun& run) { return run.text.empty(); });
        auto first = m_fontName.find_first_not_of(' ');
        auto last = m_fontName.find_last_not_of(' ');
        m_text.fontName = first == std::string::npos ? std::string() : m_fontName.substr(first, last - first + 1);
    }

    std::string_view m_in;
    std::size_t m_pos = 0;
    std::string m_error;
    std::vector<GroupState> m_stack;
    GroupState m_state;
    std::vector<std::optional<RtfColor>> m_colours;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourOpen = false;
    std::string m_fontName;
    bool m_fontNameDone = false;
    int m_codePage = 1252;
    std::string m_bytes;   // \'xx bytes not yet decoded (one character may take two)
    int m_skipFallback = 0;
    std::uint32_t m_highSurrogate = 0;
    RtfText m_text;
};

} // namespace

RtfReadResult ReadRtf(std::string_view bytes)
{
    return CRtfParser(bytes).Run();
}

} // namespace richtext
