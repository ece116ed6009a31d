// The configuration viewer as the DataFolder browser opens it (message 1087),
// its find bar, what it makes of odd bytes and of a 100 MB file, and the
// configuration compare (message 1089).
#include "ViewerFixture.h"

#include "apps/workstation/viewers/CFindBar.h"
#include "apps/workstation/viewers/CTextLinesView.h"

#include "host/adaptor/HostMessages.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

#include <filesystem>
#include <fstream>
#include <malloc.h>

using twtest::kNoticeBox;

namespace {

const char* const kConfig =
    "!\r\n"
    "hostname core-r1\r\n"
    "!\r\n"
    "interface GigabitEthernet0/0\r\n"
    " description Uplink to dist-sw1\r\n"
    " ip address 10.0.0.1 255.255.255.252\r\n"
    "!\r\n"
    "interface GigabitEthernet0/1\r\n"
    " description Server farm\r\n"
    " shutdown\r\n"
    "!\r\n"
    "end\r\n";

class ConfigViewer : public twtest::ViewerFixture {
protected:
    long View(const std::string& path, int line = 0)
    {
        hostmsg::ConfigViewRequest request;
        request.path = path.c_str();
        request.line = line;
        return Send(hostmsg::kConfigViewerReceiver, hostmsg::kViewConfig, 0, L(&request));
    }
    workstation::CConfigViewer* Only() const
    {
        const auto viewers = Viewers().ConfigViewers();
        return viewers.size() == 1 ? viewers.front() : nullptr;
    }
    std::string Shown(std::size_t line) const
    {
        workstation::CConfigViewer* viewer = Only();
        return viewer ? LineText(*viewer, line) : std::string();
    }
    static std::string LineText(workstation::CConfigViewer& viewer, std::size_t line)
    {
        viewer.View()->SetCurrentLine(line);
        return viewer.View()->SelectedText().chopped(1).toStdString();
    }
    long Compare(const std::string& path)
    {
        return Send(hostmsg::kConfigViewerReceiver, hostmsg::kCompareConfig, W(path.c_str()), 0);
    }
};

} // namespace

TEST_F(ConfigViewer, OpensOneWindowPerFileAtTheAskedLine)
{
    const std::string path = Write("DataFolders/Audit/LiveConfig/core-r1.config", kConfig);
    ASSERT_EQ(View(path), 1);
    workstation::CConfigViewer* viewer = Only();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(ActiveTitle().toStdString(), "core-r1.config \u2014 Audit");
    EXPECT_EQ(viewer->LineCount(), 12u);
    EXPECT_EQ(Shown(1), "hostname core-r1");   // CR LF ends are not part of a line
    EXPECT_EQ(Shown(11), "end");

    // The same file again: the open window comes up at the line asked for.
    ASSERT_EQ(View(path, 9), 1);
    EXPECT_EQ(WindowCount(), 1);
    EXPECT_EQ(viewer->View()->CurrentLine(), 8u);

    const std::string project = Write("Config/core-r1.config", "hostname core-r1\n");
    ASSERT_EQ(View(project), 1);
    EXPECT_EQ(WindowCount(), 2);
    EXPECT_EQ(ActiveTitle().toStdString(), "core-r1.config \u2014 project configuration");
}

TEST_F(ConfigViewer, FindBarFollowsCtrlFF3AndShiftF3)
{
    const std::string path = Write("DataFolders/Audit/LiveConfig/core-r1.config", kConfig);
    ASSERT_EQ(View(path), 1);
    workstation::CConfigViewer* viewer = Only();
    ASSERT_NE(viewer, nullptr);
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    viewer->View()->setFocus();

    QTest::keyClick(viewer->View(), Qt::Key_F, Qt::ControlModifier);
    workstation::CFindBar* bar = viewer->FindBar();
    ASSERT_TRUE(bar->isVisible());
    ASSERT_TRUE(bar->Edit()->hasFocus());
    QTest::keyClicks(bar->Edit(), "DESCRIPTION");
    QTest::keyClick(bar->Edit(), Qt::Key_Return);
    EXPECT_EQ(viewer->View()->CurrentLine(), 4u);   // ignoring case

    QTest::keyClick(viewer->View(), Qt::Key_F3);
    EXPECT_EQ(viewer->View()->CurrentLine(), 8u);
    QTest::keyClick(viewer->View(), Qt::Key_F3);   // past the end, round to the top
    EXPECT_EQ(viewer->View()->CurrentLine(), 4u);
    EXPECT_EQ(bar->Outcome().toStdString(), "Passed the end, continued from the top");
    QTest::keyClick(viewer->View(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(viewer->View()->CurrentLine(), 8u);
    EXPECT_EQ(bar->Outcome().toStdString(), "Passed the top, continued from the end");
    QTest::keyClick(viewer->View(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(viewer->View()->CurrentLine(), 4u);
    EXPECT_TRUE(bar->Outcome().isEmpty());

    // Three matches on one line are three stops before the search goes round.
    bar->Edit()->setText("255");
    QTest::keyClick(bar->Edit(), Qt::Key_Return);
    EXPECT_EQ(viewer->View()->CurrentLine(), 5u);
    QTest::keyClick(viewer->View(), Qt::Key_F3);
    QTest::keyClick(viewer->View(), Qt::Key_F3);
    EXPECT_EQ(viewer->View()->CurrentLine(), 5u);
    EXPECT_TRUE(bar->Outcome().isEmpty());
    QTest::keyClick(viewer->View(), Qt::Key_F3);
    EXPECT_EQ(viewer->View()->CurrentLine(), 5u);
    EXPECT_EQ(bar->Outcome().toStdString(), "Passed the end, continued from the top");

    bar->Edit()->setText("no such text");
    QTest::keyClick(bar->Edit(), Qt::Key_Return);
    EXPECT_EQ(bar->Outcome().toStdString(), "\u201cno such text\u201d not found");
    EXPECT_EQ(viewer->View()->CurrentLine(), 5u);   // the view stays where it was

    QTest::keyClick(bar->Edit(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(ConfigViewer, OddBytesAreShownAndBinaryFilesRefused)
{
    // A Latin-1 banner, a control character and a tab among valid UTF-8 lines.
    const std::string path = Write("DataFolders/Audit/LiveConfig/core-r1.config",
                                   "banner motd ^Caf\xe9 d\xe9j\xe0 vu^\r\n"
                                   "description caf\xc3\xa9\r\n"
                                   "alias\texec\x07 x\r\n");
    ASSERT_EQ(View(path), 1);
    using workstation::CTextLinesView;
    EXPECT_EQ(CTextLinesView::DisplayText("banner motd ^Caf\xe9 d\xe9j\xe0 vu^").toStdString(),
              "banner motd ^Caf\xc3\xa9 d\xc3\xa9j\xc3\xa0 vu^");
    EXPECT_EQ(CTextLinesView::DisplayText("description caf\xc3\xa9").toStdString(), "description caf\xc3\xa9");
    EXPECT_EQ(CTextLinesView::DisplayText("alias\texec\x07 x").toStdString(), "alias   exec\xe2\x90\x87 x");
    // A line cut inside a character keeps the rest of the line readable.
    const std::string longLine = std::string(70000, 'a') + "\xc3\xa9";
    EXPECT_TRUE(CTextLinesView::DisplayText(longLine).endsWith(" (a line of 70002 bytes, shown in part)"));

    const std::string binary = Write("DataFolders/Audit/LiveConfig/image.config", std::string("\x7f" "ELF\x02\x01\x01\0\0\0", 10));
    m_prompter.ExpectMessage("The file '" + binary + "' is a binary file, not a configuration, and is not shown.",
                             platform::BoxAnswer::Ok,
                             {platform::BoxKind::Captioned, std::nullopt, platform::BoxIcon::Exclamation, std::nullopt});
    EXPECT_EQ(View(binary), 0);
    const std::string missing = Project() + "DataFolders/Audit/LiveConfig/gone.config";
    m_prompter.ExpectMessage("The file '" + missing + "' cannot be opened: it is missing or not readable.",
                             platform::BoxAnswer::Ok);
    EXPECT_EQ(View(missing), 0);
    EXPECT_EQ(WindowCount(), 1);
}

// A 100 MB configuration is mapped and indexed, never copied: the heap grows
// by the line index alone, and no text widget holds the file.
TEST_F(ConfigViewer, HundredMegabyteFileOpensWithoutACopy)
{
    const std::string path = Project() + "DataFolders/Audit/LiveConfig/huge.config";
    ASSERT_TRUE(m_tmp.MakeDir("campus/DataFolders/Audit/LiveConfig"));
    std::size_t lines = 0;
    {
        std::ofstream out(path, std::ios::binary);
        std::string block;
        char line[96];
        for (std::size_t written = 0; written < (100u << 20);) {
            block.clear();
            for (int i = 0; i < 4096; ++i, ++lines) {
                const int n = std::snprintf(line, sizeof line, " ip route 10.%zu.%zu.0 255.255.255.0 Null0 tag %zu\r\n",
                                            (lines >> 8) & 255, lines & 255, lines);
                block.append(line, static_cast<std::size_t>(n));
            }
            out << block;
            written += block.size();
        }
        out << "end-of-huge-file";   // no line end after the last line
        ++lines;
    }
    const std::size_t heapBefore = mallinfo2().uordblks + mallinfo2().hblkhd;
    ASSERT_EQ(View(path), 1);
    const std::size_t heapAfter = mallinfo2().uordblks + mallinfo2().hblkhd;
    workstation::CConfigViewer* viewer = Only();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->LineCount(), lines);
    EXPECT_LT(heapAfter - std::min(heapAfter, heapBefore), 40u << 20);
    EXPECT_TRUE(viewer->findChildren<QPlainTextEdit*>().isEmpty());
    EXPECT_TRUE(viewer->findChildren<QTextEdit*>().isEmpty());

    // The far end is reached by the line index and by find alike.
    EXPECT_EQ(Shown(lines - 1), "end-of-huge-file");
    viewer->View()->SetCurrentLine(0);
    viewer->FindBar()->Edit()->setText("END-OF-HUGE");
    viewer->FindNext();
    EXPECT_EQ(viewer->View()->CurrentLine(), lines - 1);
    EXPECT_GE(viewer->View()->FirstVisibleLine() + viewer->View()->VisibleLineCount(), lines - 1);
}

TEST_F(ConfigViewer, CompareStartsTheDiffViewerAgainstTheProjectsConfiguration)
{
    const std::string path = Write("DataFolders/Audit/LiveConfig/core-r1.config", kConfig);
    // The project's file differs in case: still the same device.
    const std::string project = Write("Config/Core-R1.config", "hostname core-r1\r\n");
    EXPECT_EQ(Compare(path), 1);
    ASSERT_EQ(m_starter.commandLines.size(), 1u);
    EXPECT_EQ(m_starter.commandLines[0], "\"TarnwickDiff.exe\" \"" + path + "\" \"" + project + "\"");

    const std::string other = Write("DataFolders/Audit/LiveConfig/edge-fw9.config", "hostname edge-fw9\r\n");
    m_prompter.ExpectMessage("The project has no configuration of edge-fw9 (Config/edge-fw9.config) to compare with.",
                             platform::BoxAnswer::Ok, kNoticeBox);
    EXPECT_EQ(Compare(other), 0);
    m_prompter.ExpectMessage("This is the project's own configuration of Core-R1; there is nothing to compare it with.",
                             platform::BoxAnswer::Ok, kNoticeBox);
    EXPECT_EQ(Compare(project), 0);

    m_starter.answer = false;   // no TarnwickDiff.exe anywhere
    m_prompter.ExpectMessage("The difference viewer TarnwickDiff.exe cannot be started: it is neither on PATH nor "
                             "in the workstation's own folder.",
                             platform::BoxAnswer::Ok);
    EXPECT_EQ(Compare(path), 0);
    EXPECT_EQ(m_starter.commandLines.size(), 2u);
}

// A file cut shorter on disk under the viewer is no longer read: reading the
// lost pages of the mapping would end the workstation.
TEST_F(ConfigViewer, FileCutShorterOnDiskIsNotReadAnyMore)
{
    std::string text;
    for (int i = 0; i < 50000; ++i)
        text += "interface Vlan" + std::to_string(i) + "\r\n description user vlan\r\n";
    const std::string path = Write("DataFolders/Audit/LiveConfig/core-r1.config", text);
    ASSERT_EQ(View(path), 1);
    workstation::CConfigViewer* viewer = Only();
    ASSERT_NE(viewer, nullptr);
    viewer->View()->SetCurrentLine(viewer->LineCount() - 1);
    std::filesystem::resize_file(path, 10);   // in place, as an editor that truncates does

    EXPECT_FALSE(viewer->grab().isNull());   // paints without touching the lost pages
    EXPECT_TRUE(viewer->View()->SelectedText().isEmpty());
    viewer->FindBar()->Edit()->setText("Vlan49999");
    viewer->FindPrevious();
    EXPECT_EQ(viewer->FindBar()->Outcome().toStdString(), "\u201cVlan49999\u201d not found");
}
