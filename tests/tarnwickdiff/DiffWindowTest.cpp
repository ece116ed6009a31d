// The viewer's window: stepping through changes, the white-space toggle,
// refusals, reloading, and what the panes actually paint.
#include "apps/tarnwickdiff/DiffColours.h"
#include "apps/tarnwickdiff/DiffPane.h"
#include "apps/tarnwickdiff/DiffView.h"
#include "apps/tarnwickdiff/DiffWindow.h"
#include "apps/tarnwickdiff/DisplayLine.h"
#include "apps/tarnwickdiff/core/DiffDocument.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

using namespace tarnwickdiff;

namespace {

// n numbered lines, the ones in `changed` with another text.
std::string Numbered(int n, std::initializer_list<int> changed = {})
{
    std::string text;
    for (int i = 1; i <= n; ++i) {
        const bool differs = std::find(changed.begin(), changed.end(), i) != changed.end();
        text += " ip route 10.0." + std::to_string(i) + ".0 255.255.255.0 " + (differs ? "10.9.9.9" : "10.1.1.1") + "\n";
    }
    return text;
}

class DiffWindowTest : public testing::Test {
protected:
    bool Open(CDiffWindow& window, const std::string& left, const std::string& right, bool show = true)
    {
        m_dir.WriteFile("first.txt", left);
        m_dir.WriteFile("second.txt", right);
        DiffArguments args;
        args.leftPath = m_dir / "first.txt";
        args.rightPath = m_dir / "second.txt";
        if (!window.Open(args))
            return false;
        if (show) {
            window.show();
            window.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        }
        return true;
    }

    twtest::TempDir m_dir;
};

QColor PanePixel(CDiffWindow& window, CDiffPane::Side side, std::size_t row)
{
    CDiffPane* pane = nullptr;
    for (CDiffPane* candidate : window.findChildren<CDiffPane*>())
        if (candidate->GetSide() == side)
            pane = candidate;
    const QImage image = pane->grab().toImage();
    const int lineHeight = window.View().LineHeight();
    const int y = static_cast<int>(row - window.View().FirstRow()) * lineHeight + lineHeight / 2;
    return image.pixelColor(image.width() - 3, y);
}

} // namespace

TEST_F(DiffWindowTest, F7AndShiftF7StepThroughTheChangesAndKeepThemInView)
{
    CDiffWindow window;
    ASSERT_TRUE(Open(window, Numbered(900), Numbered(900, {3, 450, 880})));
    EXPECT_EQ(window.ChangeStatus().toStdString(), "1 of 3 changes");
    QTest::keyClick(&window, Qt::Key_F7);
    EXPECT_EQ(window.ChangeStatus().toStdString(), "2 of 3 changes");
    const CDiffView& view = window.View();
    EXPECT_GE(449u, view.FirstRow());
    EXPECT_LT(449u, view.FirstRow() + view.VisibleRows());
    QTest::keyClick(&window, Qt::Key_F7);
    QTest::keyClick(&window, Qt::Key_F7);   // no fourth change: stays on the last
    EXPECT_EQ(window.ChangeStatus().toStdString(), "3 of 3 changes");
    QTest::keyClick(&window, Qt::Key_F7, Qt::ShiftModifier);
    EXPECT_EQ(window.ChangeStatus().toStdString(), "2 of 3 changes");
    EXPECT_EQ(view.CurrentBlock(), 1);
}

TEST_F(DiffWindowTest, IgnoreWhiteSpaceComparesAgain)
{
    CDiffWindow window;
    ASSERT_TRUE(Open(window, "interface Gi0/1\n shutdown\n", "interface Gi0/1\n  shutdown \n"));
    EXPECT_EQ(window.ChangeStatus().toStdString(), "1 of 1 change");
    EXPECT_EQ(window.View().Banner().toStdString(), "");
    window.SetIgnoreWhitespace(true);
    EXPECT_EQ(window.ChangeStatus().toStdString(), "No changes");
    EXPECT_EQ(window.View().Banner().toStdString(), "The files are identical apart from white space.");
    window.SetIgnoreWhitespace(false);
    EXPECT_EQ(window.ChangeStatus().toStdString(), "1 of 1 change");
}

TEST_F(DiffWindowTest, IdenticalFilesSaySo)
{
    CDiffWindow window;
    ASSERT_TRUE(Open(window, "hostname r1\r\nend\r\n", "hostname r1\r\nend\r\n"));
    EXPECT_EQ(window.View().Banner().toStdString(), "The files are identical.");
    EXPECT_EQ(window.ChangeStatus().toStdString(), "No changes");
}

TEST_F(DiffWindowTest, BinaryOrMissingFileIsRefusedWithAMessageNamingIt)
{
    twtest::ScriptedPrompter prompter;
    CDiffWindow window;
    const std::string binary = m_dir / "second.txt";
    prompter.ExpectMessage("\"" + binary + "\" is a binary file (it contains NUL bytes); only text files can be compared.",
                           platform::BoxAnswer::Ok, twtest::kAppOkBox);
    EXPECT_FALSE(Open(window, "text\n", std::string("\x7F" "ELF\x02\x01\0\0", 8), false));
    EXPECT_EQ(window.Document(), nullptr);

    DiffArguments args;
    args.leftPath = m_dir / "gone 1.txt";
    args.rightPath = m_dir / "gone 2.txt";
    prompter.ExpectMessage("The file \"" + args.leftPath + "\" does not exist.\nThe file \"" + args.rightPath +
                               "\" does not exist.",
                           platform::BoxAnswer::Ok, twtest::kAppOkBox);
    EXPECT_FALSE(window.Open(args));
}

TEST_F(DiffWindowTest, ReloadReadsTheFilesAgainAndKeepsTheOldOnesWhenOneIsGone)
{
    twtest::ScriptedPrompter prompter;
    CDiffWindow window;
    ASSERT_TRUE(Open(window, Numbered(50), Numbered(50, {10})));
    EXPECT_EQ(window.ChangeStatus().toStdString(), "1 of 1 change");
    m_dir.WriteFile("second.txt", Numbered(50, {10, 20, 30}));
    window.Reload();
    EXPECT_EQ(window.View().BlockCount(), 3);

    ASSERT_EQ(std::remove((m_dir / "second.txt").c_str()), 0);
    prompter.ExpectMessage("The file \"" + m_dir / "second.txt" + "\" does not exist.", platform::BoxAnswer::Ok,
                           twtest::kAppOkBox);
    window.Reload();
    EXPECT_EQ(window.View().BlockCount(), 3);
    ASSERT_NE(window.Document(), nullptr);
    EXPECT_EQ(window.Document()->Right().LineCount(), 50u);
}

TEST_F(DiffWindowTest, PanesPaintChangedAddedAndFillerRowsSideBySide)
{
    CDiffWindow window;
    ASSERT_TRUE(Open(window, "a\nb\nc\n", "a\nB changed\nb x\nnew\nc\n"));
    // Rows: a | a, then the block: (added/changed rows), then c | c.
    const CSideBySide& layout = window.Document()->Layout();
    const std::size_t none = layout.RowCount();
    std::size_t added = none, changed = none;
    for (std::size_t i = 0; i < layout.RowCount(); ++i) {
        if (layout.Row(i).kind == RowKind::Added && added == none)
            added = i;
        if (layout.Row(i).kind == RowKind::Changed)
            changed = i;
    }
    ASSERT_LT(added, none);
    ASSERT_LT(changed, none);
    EXPECT_EQ(PanePixel(window, CDiffPane::Side::Left, 0), QColor(Qt::white));
    EXPECT_EQ(PanePixel(window, CDiffPane::Side::Right, added), colours::AddedLine());
    const QColor filler = PanePixel(window, CDiffPane::Side::Left, added);
    EXPECT_TRUE(filler == colours::Filler() || filler == colours::FillerHatch()) << filler.name().toStdString();
    EXPECT_EQ(PanePixel(window, CDiffPane::Side::Left, changed), colours::ChangedLine());
    EXPECT_EQ(PanePixel(window, CDiffPane::Side::Right, changed), colours::ChangedLine());
}

TEST(DisplayLine, TabsControlsAndLongLinesKeepTheMarksInPlace)
{
    const CDisplayLine tabbed("x\ty\rz", {{2, 3}});
    EXPECT_EQ(tabbed.Text(), QString("x       y\u240Dz"));
    ASSERT_EQ(tabbed.Marks().size(), 1u);
    EXPECT_EQ(tabbed.Marks()[0], std::make_pair(8, 9));

    const CDisplayLine accented("caf\xC3\xA9 bar", {{6, 9}});
    EXPECT_EQ(accented.Text(), QString::fromUtf8("caf\xC3\xA9 bar"));
    EXPECT_EQ(accented.Marks()[0], std::make_pair(5, 8));

    const std::string huge(CDisplayLine::kMaxColumns + 2500, 'x');
    const CDisplayLine cut(huge, {{0, 5}, {static_cast<std::uint32_t>(huge.size() - 5), static_cast<std::uint32_t>(huge.size())}});
    EXPECT_EQ(cut.Text().size(), CDisplayLine::kMaxColumns);
    EXPECT_EQ(cut.Omitted(), 2500);
    ASSERT_EQ(cut.Marks().size(), 1u);   // the mark beyond the cut has nothing to show
}
