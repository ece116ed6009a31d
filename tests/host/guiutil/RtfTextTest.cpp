// The result editor's RTF: what the writer writes comes back run for run, an
// independent reader (unrtf) sees the same text, the RTF of WordPad and
// LibreOffice reads as the text it shows there, and anything else is refused
// without a crash or a hang.
#include "host/richtext/RtfFile.h"
#include "host/richtext/RtfReader.h"
#include "host/richtext/RtfWriter.h"
#include "support/TempDir.h"
#include "tests/host/guiutil/RtfRunText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sys/wait.h>

using richtext::RtfColor;
using richtext::RtfRun;
using richtext::RtfText;

using twtest::Describe;

namespace {

RtfRun TextRun(std::string text)
{
    RtfRun run;
    run.text = std::move(text);
    return run;
}

// Runs in the form the reader gives back: a paragraph end goes with the text
// before it, and neighbours differ in format.
RtfText Sample()
{
    RtfText text;
    text.fontName = "Courier New";
    RtfRun bold = TextRun("GigabitEthernet0/1");
    bold.bold = true;
    RtfRun red = TextRun(" is up, {braces} and \\back\\slashes\n\n");
    red.color = RtfColor{255, 0, 0};
    red.italic = true;
    RtfRun marked = TextRun("caf\xC3\xA9 \xE2\x82\xAC \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80\tend\n");
    marked.highlight = RtfColor{255, 255, 0};
    marked.underline = true;
    marked.halfPoints = 28;
    RtfRun both = TextRun("last line\n");
    both.color = RtfColor{0, 0, 255};
    both.highlight = RtfColor{255, 0, 0};   // a colour shared with the text colour above
    text.runs = {TextRun("\nInterface "), bold, red, marked, both};
    return text;
}

// unrtf --text output after its "###" header and dashed line.
bool RunUnrtf(const std::string& path, std::string& text)
{
    FILE* pipe = ::popen(("unrtf --text '" + path + "' 2>/dev/null").c_str(), "r");
    if (!pipe)
        return false;
    std::string out;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    const int status = ::pclose(pipe);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    const std::size_t rule = out.find("-----------------\n");
    if (rule == std::string::npos)
        return false;
    text = out.substr(rule + 18);
    return true;
}

} // namespace

TEST(RtfText, WrittenFormattingReadsBackRunForRun)
{
    const RtfText original = Sample();
    const std::string rtf = richtext::WriteRtf(original);
    for (char c : rtf) {
        ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "RTF must be 7-bit text";
    }
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\n') {
            ASSERT_TRUE(i > 0 && rtf[i - 1] == '\r') << "line end without CR at " << i;
        }
    }

    const richtext::RtfReadResult read = richtext::ReadRtf(rtf);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(Describe(read.text), Describe(original));
    EXPECT_EQ(read.text.fontName, "Courier New");

    // Runs with no text, and a text of nothing, write and read as nothing.
    RtfText empty;
    empty.runs = {TextRun("")};
    const richtext::RtfReadResult none = richtext::ReadRtf(richtext::WriteRtf(empty));
    ASSERT_TRUE(none.ok) << none.error;
    EXPECT_TRUE(none.text.runs.empty());
    EXPECT_EQ(none.text.fontName, richtext::kDefaultRtfFont);
}

TEST(RtfText, UnrtfReadsTheSameText)
{
    if (std::system("unrtf --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "unrtf is not installed (scripts/install-deps.sh installs it); "
                        "the file was not checked by an independent RTF reader";
    twtest::TempDir dir;
    RtfText text = Sample();
    // unrtf's text output turns tabs into a line of spaces; leave them out here.
    text.runs[3].text = "caf\xC3\xA9 \xE2\x82\xAC end\n";
    std::string error;
    ASSERT_TRUE(richtext::SaveRtfFile(dir / "r.txt.rtf", text, error)) << error;
    std::string seen;
    ASSERT_TRUE(RunUnrtf(dir / "r.txt.rtf", seen)) << "unrtf could not read the file";
    // Its plain-text output shows each character beyond ASCII as '?'.
    EXPECT_EQ(seen, "\nInterface GigabitEthernet0/1 is up, {braces} and \\back\\slashes\n\n"
                    "caf? ? end\nlast line\n\n");
}

TEST(RtfText, ReadsWordPadAndLibreOfficeRtf)
{
    const std::string wordPad =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Courier New;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red255\\green255\\blue0;}\r\n"
        "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
        "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 Interface \\b Gi0/1\\b0  is \\cf1 up\\cf0 ,\\par\r\n"
        "\\highlight2 line protocol\\highlight0  is \\i\\ul up\\ulnone\\i0\\par\r\n"
        "caf\\'e9 \\'80 \\u8364? \\u-3913?\\par\r\n}\r\n";
    const richtext::RtfReadResult pad = richtext::ReadRtf(wordPad);
    ASSERT_TRUE(pad.ok) << pad.error;
    EXPECT_EQ(Describe(pad.text), "[Interface | fs22][Gi0/1|b fs22][ is | fs22][up| cf255,0,0 fs22]"
                                  "[,\n| fs22][line protocol| hl255,255,0 fs22][ is | fs22][up\n|iu fs22]"
                                  "[caf\xC3\xA9 \xE2\x82\xAC \xE2\x82\xAC \xEF\x82\xB7| fs22]");

    const std::string libreOffice =
        "{\\rtf1\\ansi\\deff4\\adeflang1025\n"
        "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f4\\fmodern\\fprq1\\fcharset0 Liberation "
        "Mono{\\*\\falt Courier New};}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green255\\blue0;}\n"
        "{\\stylesheet{\\s0\\snext0\\dbch\\af6\\langfe2052\\loch\\f3\\hich\\af3\\fs24\\lang2057 Normal;}\n"
        "{\\*\\cs15\\snext15 Strong;}}\n"
        "{\\*\\generator LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}\n"
        "{\\info{\\creatim\\yr2024\\mo3\\dy1\\hr10\\min5}{\\author Engineer}{\\revtim\\yr2024\\mo3\\dy1}}\n"
        "{\\*\\userprops{\\propname x}\\proptype30{\\staticval y}}\\deftab709\n"
        "{\\*\\pgdsctbl\n{\\pgdsc0\\pgdscuse451\\pgwsxn11906{\\*\\pgdscnxt0 Default Page Style;}}}\n"
        "\\formshade\\paperh16838\\sectd\\sbknone\\pgndec{\\*\\ftnsep\\chftnsep}\\pgndec\\pard\\plain \\s0\\rtlch"
        "\\af6\\afs24\\ltrch\\hich\\af4\\loch\\f4\\fs20\\lang2057{\\rtlch \\ltrch\\loch\n"
        "Router# }{\\b\\rtlch\\ab \\ltrch\\loch\nshow ip route}\n"
        "\\par \\pard\\plain \\s0\\rtlch\\af6\\afs24\\ltrch\\hich\\af4\\loch\\f4\\fs20{\\cf2\\ul\\ulc0\\rtlch "
        "\\ltrch\\loch\nGateway}{\\rtlch \\ltrch\\loch\n of last resort }{\\chcbpat3\\rtlch \\ltrch\\loch\n"
        "is not set}{\\bin3 {\\}}\n\\par }";
    const richtext::RtfReadResult office = richtext::ReadRtf(libreOffice);
    ASSERT_TRUE(office.ok) << office.error;
    EXPECT_EQ(Describe(office.text), "[Router# | fs20][show ip route\n|b fs20][Gateway|u cf0,0,255 fs20]"
                                     "[ of last resort | fs20][is not set| hl255,255,0 fs20]");
}

TEST(RtfText, RefusesWhatIsNotWholeRtf)
{
    const auto refused = [](const std::string& bytes, const std::string& why) {
        const richtext::RtfReadResult read = richtext::ReadRtf(bytes);
        EXPECT_FALSE(read.ok) << "accepted: " << bytes.substr(0, 60);
        EXPECT_EQ(read.error, why) << bytes.substr(0, 60);
    };
    refused("", "The file is empty.");
    refused(" \r\n\t", "The file is empty.");
    refused("Router#show version\r\n", "The file is not RTF text: it does not begin with {\\rtf.");
    refused(std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), "The file is not RTF text: it does not begin with {\\rtf.");
    const std::string cutShort = "The RTF text is cut short: it ends inside a group that is never closed.";
    refused("{\\rtf1\\ansi {\\b bold} text", cutShort);
    refused("{\\rtf1 a\\", cutShort);
    refused("{\\rtf1 a\\'4", cutShort);
    refused("{\\rtf1 {\\bin2000 xx}}", cutShort);
    // Control characters other than paragraph ends and tabs never reach the text.
    const richtext::RtfReadResult controls = richtext::ReadRtf("{\\rtf1 a\\u0?\x01\\'07\\u127?b\\tab c\\line d}");
    ASSERT_TRUE(controls.ok) << controls.error;
    EXPECT_EQ(Describe(controls.text), "[ab\tc\nd|]");
    refused("{\\rtf1 a\\'zz}", "The RTF text is damaged: \\' is not followed by two hexadecimal digits.");
    refused(std::string("{\\rtf1 a\0b}", 11), "The RTF text is damaged: it holds binary data where text belongs.");
    refused("{\\rtf1 \\" + std::string(40, 'x') + " a}", "The RTF text is damaged: a control word is longer than RTF allows.");
    refused("{\\rtf1 \\fs123456789012 a}",
            "The RTF text is damaged: a control word's number is longer than RTF allows.");
    refused("{\\rtf1 " + std::string(100000, '{'), "The RTF text is damaged: its groups nest too deeply to be read.");

    // Every cut of a written file before its closing brace is refused.
    const std::string rtf = richtext::WriteRtf(Sample());
    const std::size_t closing = rtf.rfind('}');
    for (std::size_t length = 0; length < closing; ++length)
        EXPECT_FALSE(richtext::ReadRtf(rtf.substr(0, length)).ok) << "cut at " << length;
}

TEST(RtfText, GarbageNeverCrashesOrHangs)
{
    // Random bytes and random damage to a real file: each read ends with a
    // verdict, and a refusal always says why.
    std::mt19937 random(20261206);
    const std::string rtf = richtext::WriteRtf(Sample());
    const std::string alphabet = "{}\\'*;0123456789-abuxfsclrtpi \r\n\x80\xff";
    int refusedCount = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = round % 2 ? "{\\rtf1" : rtf;
        const int edits = 1 + static_cast<int>(random() % 40);
        for (int e = 0; e < edits; ++e) {
            const char c = alphabet[random() % alphabet.size()];
            const std::size_t at = random() % (bytes.size() + 1);
            if (random() % 3 == 0 && at < bytes.size())
                bytes.erase(at, 1);
            else
                bytes.insert(at, 1, c);
        }
        const richtext::RtfReadResult read = richtext::ReadRtf(bytes);
        if (!read.ok) {
            ++refusedCount;
            EXPECT_FALSE(read.error.empty());
        }
    }
    EXPECT_GT(refusedCount, 0);
}

TEST(RtfText, FilesAreReplacedWholeOrNotAtAll)
{
    twtest::TempDir dir;
    std::string error;
    ASSERT_TRUE(richtext::SaveRtfFile(dir / "a.txt.rtf", Sample(), error)) << error;
    const richtext::RtfReadResult loaded = richtext::LoadRtfFile(dir / "a.txt.rtf");
    ASSERT_TRUE(loaded.ok) << loaded.error;
    EXPECT_EQ(Describe(loaded.text), Describe(Sample()));

    const richtext::RtfReadResult missing = richtext::LoadRtfFile(dir / "none.rtf");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, "The file " + dir / "none.rtf" + " cannot be read: No such file or directory.");
    ASSERT_TRUE(dir.WriteFile("plain.txt.rtf", "show version\r\n"));
    EXPECT_EQ(richtext::LoadRtfFile(dir / "plain.txt.rtf").error,
              dir / "plain.txt.rtf" + ": The file is not RTF text: it does not begin with {\\rtf.");

    // Into a folder that is not there: refused, nothing written.
    EXPECT_FALSE(richtext::SaveRtfFile(dir / "gone/a.txt.rtf", Sample(), error));
    EXPECT_EQ(error, "The file " + dir / "gone/a.txt.rtf" + " cannot be written: No such file or directory.");
}
