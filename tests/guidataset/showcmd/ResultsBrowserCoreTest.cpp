// The file-level half of the results browser: what it lists from a
// show-command folder, what it refuses to write, and its text search.
#include "guidataset/showcmd/core/ResultNoteCheck.h"
#include "guidataset/showcmd/core/ResultTextSearch.h"
#include "guidataset/showcmd/core/ShowCommandResultNames.h"
#include "host/util/CFileName.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

using testing::ElementsAre;

TEST(ResultNames, DevicesCommandsAndTimesComeOnceExactlySpeltAndFromSinceOn)
{
    twtest::TempDir temp;
    const auto put = [&](const std::string& device, const std::string& command, const std::string& time) {
        EXPECT_TRUE(temp.WriteFile(CFileName::ToShowCommandResultFileName(device, command, time, "txt"), "x"));
    };
    put("core-r1", "show ip route", "2024-05-01 10-00-00.000");
    put("core-r1", "show ip route", "2024-05-02 10-00-00.000");
    put("core-r1", "show version", "2024-04-01 10-00-00.000");
    put("core-r10", "show ip route", "2024-05-01 10-00-00.000");   // shares the name's beginning
    put("CORE-R1", "show clock", "2024-05-01 10-00-00.000");       // the search ignores case; devices do not
    put("dev$ice", "show arp", "2024-05-01 10-00-00.000");         // '$' in a device name is encoded
    EXPECT_TRUE(temp.WriteFile("notes.txt", "no result"));
    EXPECT_TRUE(temp.WriteFile("$$.txt", "no device, no command"));
    EXPECT_TRUE(temp.MakeDir("sub$dir$x.txt"));

    EXPECT_THAT(ListShowCommandDevices(temp.Path()), ElementsAre("CORE-R1", "core-r1", "core-r10", "dev$ice"));
    EXPECT_THAT(ListShowCommandCommands(temp.Path(), "core-r1", ""), ElementsAre("show ip route", "show version"));
    EXPECT_THAT(ListShowCommandTimes(temp.Path(), "core-r1", "show ip route", ""),
                ElementsAre("2024-05-01 10-00-00.000", "2024-05-02 10-00-00.000"));
    EXPECT_THAT(ListShowCommandCommands(temp.Path(), "core-r1", "2024-05-01"), ElementsAre("show ip route"));
    EXPECT_THAT(ListShowCommandTimes(temp.Path(), "core-r1", "show ip route", "2024-05-02"),
                ElementsAre("2024-05-02 10-00-00.000"));
    EXPECT_THAT(ListShowCommandTimes(temp.Path(), "dev$ice", "show arp", ""), ElementsAre("2024-05-01 10-00-00.000"));
    EXPECT_TRUE(ListShowCommandDevices(temp.Path() + "missing/").empty());
}

TEST(ResultNoteCheck, RefusesLongNotesAndTheSeparatorLineAndConvertsLineEnds)
{
    EXPECT_EQ(CheckResultBeforeSave("out", std::string(2048, 'n')), ResultSaveProblem::None);
    EXPECT_EQ(CheckResultBeforeSave("out", std::string(2049, 'n')), ResultSaveProblem::NoteTooLong);
    // Characters, not bytes: 2048 two-byte letters fit.
    std::string umlauts;
    for (int i = 0; i < 2048; ++i)
        umlauts += "\xC3\xA4";
    EXPECT_EQ(CheckResultBeforeSave("out", umlauts), ResultSaveProblem::None);
    EXPECT_EQ(CheckResultBeforeSave("out", "a\n-- 0x#0x$0xa0xb0x$0x# --\nb"), ResultSaveProblem::NoteHoldsMarker);
    EXPECT_EQ(CheckResultBeforeSave("a\n\n-- 0x#0x$0xa0xb0x$0x# --\n\nb", "note"), ResultSaveProblem::TextHoldsMarker);
    EXPECT_THAT(ResultSaveProblemMessage(ResultSaveProblem::NoteTooLong), testing::HasSubstr("2048 characters"));

    EXPECT_EQ(WithCrLfLineEnds("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(WithLfLineEnds("a\r\nb\rc\nd\r"), "a\nb\nc\nd\n");
}

TEST(ResultTextSearch, FindsEveryMatchIgnoringCaseFromThePositionOn)
{
    const std::u16string text = u"Gi0/1 up\ngi0/2 down\nGI0/3 UP\nStra\u00DFe \u00C4rger";
    EXPECT_EQ(FindTextIgnoringCase(text, u"gi0/", 0), 0);
    EXPECT_EQ(FindTextIgnoringCase(text, u"gi0/", 1), 9);
    EXPECT_EQ(FindTextIgnoringCase(text, u"GI0/", 10), 20);
    EXPECT_EQ(FindTextIgnoringCase(text, u"up", 8), 26);
    EXPECT_EQ(FindTextIgnoringCase(text, u"\u00E4rger", 0), 36);
    EXPECT_EQ(FindTextIgnoringCase(u"\u041C\u0410\u0421\u041A\u0410", u"\u043C\u0430\u0441\u043A\u0430", 0), 0);
    EXPECT_EQ(FindTextIgnoringCase(text, u"gi0/", 21), -1);
    EXPECT_EQ(FindTextIgnoringCase(text, u"", 0), -1);
    EXPECT_EQ(FindTextIgnoringCase(text, u"x", text.size() + 5), -1);
    // A keyword whose repeated letters make the skip table matter.
    EXPECT_EQ(FindTextIgnoringCase(u"aaabaab aabab", u"aabab", 0), 8);
    EXPECT_EQ(FindTextIgnoringCase(u"abcabd", u"ABD", 0), 3);
}
