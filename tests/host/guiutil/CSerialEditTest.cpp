// The result editor as the results browser uses it: the toolbar formats the
// selection, the formatting survives a save to the companion RTF and a load
// from it, and a companion that is missing, empty, not RTF or damaged is
// refused with the text left as it was.
#include "host/guiutil/CSerialEdit.h"
#include "host/guiutil/CSerialEditWrapper.h"
#include "platform/qt/ControlId.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"
#include "tests/host/guiutil/RtfRunText.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFontInfo>
#include <QTest>
#include <QTextCursor>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

using twtest::Describe;

namespace {

void Select(CSerialEdit& edit, int from, int to)
{
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
}

QToolButton* Button(CSerialEditWrapper& wrapper, int id)
{
    return platform::Control<QToolButton>(&wrapper, id);
}

// A colour dialog step that picks colour.
twtest::ModalDriver::Step PickColour(QColor colour, std::string& title)
{
    return [colour, &title](QDialog& dialog) {
        auto* chooser = dynamic_cast<QColorDialog*>(&dialog);
        EXPECT_NE(chooser, nullptr) << "not a colour dialog";
        if (!chooser)
            return int(QDialog::Rejected);
        title = chooser->windowTitle().toStdString();
        chooser->setCurrentColor(colour);
        return int(QDialog::Accepted);
    };
}

} // namespace

TEST(CSerialEdit, ToolbarFormatsTheSelectionAndFollowsTheCursor)
{
    CSerialEditWrapper wrapper;
    wrapper.Init("Courier");
    wrapper.show();
    CSerialEdit& edit = *wrapper.GetEdit();
    // Where Courier is missing a fixed-pitch family must stand in.
    EXPECT_TRUE(QFontInfo(edit.document()->defaultFont()).fixedPitch()) << QFontInfo(edit.document()->defaultFont()).family().toStdString();
    edit.SetPlainTextContent("Router# show ip route\r\nGateway");
    EXPECT_FALSE(edit.IsModified());
    EXPECT_EQ(edit.GetPlainTextContent(), "Router# show ip route\nGateway");

    Select(edit, 8, 21);   // "show ip route"
    for (int id : {CSerialEditWrapper::kIdcBold, CSerialEditWrapper::kIdcItalic, CSerialEditWrapper::kIdcUnderline}) {
        QToolButton* button = Button(wrapper, id);
        ASSERT_NE(button, nullptr) << "toolbar button " << id;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    std::string colourTitle, highlightTitle;
    twtest::ModalDriver driver;
    driver.Expect(PickColour(QColor(255, 0, 0), colourTitle)).Expect(PickColour(QColor(255, 255, 0), highlightTitle));
    QTest::mouseClick(Button(wrapper, CSerialEditWrapper::kIdcTextColour), Qt::LeftButton);
    QTest::mouseClick(Button(wrapper, CSerialEditWrapper::kIdcHighlight), Qt::LeftButton);
    EXPECT_EQ(driver.PendingCount(), 0u);
    EXPECT_EQ(colourTitle, "Text Colour");
    EXPECT_EQ(highlightTitle, "Highlight Colour");

    auto* size = platform::Control<QComboBox>(&wrapper, CSerialEditWrapper::kIdcFontSize);
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->currentText(), "12");
    size->setFocus();
    QTest::keyClick(size, Qt::Key_Down);   // 12 -> 14 points
    EXPECT_TRUE(edit.IsModified());

    EXPECT_EQ(Describe(edit.GetRichText()),
              "[Router# |][show ip route\n|biu cf255,0,0 hl255,255,0 fs28][Gateway|]");

    // The buttons show the format where the cursor is.
    Select(edit, 10, 10);
    EXPECT_TRUE(Button(wrapper, CSerialEditWrapper::kIdcBold)->isChecked());
    EXPECT_TRUE(Button(wrapper, CSerialEditWrapper::kIdcUnderline)->isChecked());
    EXPECT_EQ(size->currentText(), "14");
    Select(edit, 23, 23);
    EXPECT_FALSE(Button(wrapper, CSerialEditWrapper::kIdcBold)->isChecked());
    EXPECT_FALSE(Button(wrapper, CSerialEditWrapper::kIdcItalic)->isChecked());
    EXPECT_EQ(size->currentText(), "12");

    // Clear Format takes a selection back to the default format; cancelling
    // the colour dialog changes nothing.
    Select(edit, 8, 12);
    QTest::mouseClick(Button(wrapper, CSerialEditWrapper::kIdcClearFormat), Qt::LeftButton);
    driver.Expect(twtest::ModalDriver::Reject());
    QTest::mouseClick(Button(wrapper, CSerialEditWrapper::kIdcTextColour), Qt::LeftButton);
    EXPECT_EQ(Describe(edit.GetRichText()),
              "[Router# show|][ ip route\n|biu cf255,0,0 hl255,255,0 fs28][Gateway|]");
}

TEST(CSerialEdit, FormattingSurvivesTheCompanionFile)
{
    twtest::TempDir dir;
    const std::string companion = dir / "R1$show%20ip%20route$20261206.txt.rtf";
    CSerialEditWrapper writer;
    writer.Init("Courier");
    CSerialEdit& edit = *writer.GetEdit();
    edit.SetPlainTextContent("R1#show clock\n*10:00:01 UTC \xE2\x82\xAC Sun Dec 6 2026\n\n{x}\\y\tz");
    Select(edit, 0, 3);
    edit.SetBold(true);
    edit.SetTextColour(QColor(0, 128, 0));
    Select(edit, 14, 26);
    edit.SetHighlightColour(QColor(0, 255, 255));
    edit.SetFontPointSize(9);
    edit.SetItalic(true);
    ASSERT_TRUE(edit.IsModified());
    const std::string before = Describe(edit.GetRichText());

    edit.SetFilePath(companion);
    ASSERT_TRUE(edit.OnSave()) << edit.GetLastError();
    EXPECT_FALSE(edit.IsModified());
    const std::string bytes = dir.ReadFile("R1$show%20ip%20route$20261206.txt.rtf");
    EXPECT_EQ(bytes.substr(0, 6), "{\\rtf1");
    EXPECT_NE(bytes.find("Courier;"), std::string::npos);
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);

    CSerialEditWrapper reader;
    reader.Init("Courier");
    ASSERT_TRUE(reader.GetEdit()->OnOpen(companion)) << reader.GetEdit()->GetLastError();
    EXPECT_EQ(Describe(reader.GetEdit()->GetRichText()), before);
    EXPECT_EQ(reader.GetEdit()->GetPlainTextContent(), edit.GetPlainTextContent());
    EXPECT_FALSE(reader.GetEdit()->IsModified());
    EXPECT_EQ(reader.GetEdit()->GetFilePath(), companion);

    // A folder in the file's place: the save fails and says where.
    ASSERT_TRUE(dir.MakeDir("taken.rtf"));
    EXPECT_FALSE(edit.OnSave(dir / "taken.rtf"));
    EXPECT_NE(edit.GetLastError().find(dir / "taken.rtf"), std::string::npos) << edit.GetLastError();
    CSerialEdit nowhere;
    EXPECT_FALSE(nowhere.OnSave());
    EXPECT_EQ(nowhere.GetLastError(), "The formatted text has no file to be saved to.");
}

TEST(CSerialEdit, BadCompanionsLeaveTheTextAsItWas)
{
    twtest::TempDir dir;
    CSerialEdit edit;
    edit.SetPlainTextContent("R1#show version\nCisco IOS");
    Select(edit, 0, 3);
    edit.SetBold(true);
    const std::string before = Describe(edit.GetRichText());

    const std::string written = [] {
        CSerialEdit source;
        source.SetPlainTextContent("other text");
        twtest::TempDir scratch;
        source.OnSave(scratch / "x.rtf");
        return scratch.ReadFile("x.rtf");
    }();
    ASSERT_FALSE(written.empty());
    const std::pair<std::string, std::string> companions[] = {
        {"", "The file is empty."},
        {"R1#show version\r\nCisco IOS Software\r\n", "The file is not RTF text: it does not begin with {\\rtf."},
        {std::string("\x00\x01\x02\xFF{\\rtf1", 9), "The file is not RTF text: it does not begin with {\\rtf."},
        {written.substr(0, written.size() / 2),
         "The RTF text is cut short: it ends inside a group that is never closed."},
    };
    int n = 0;
    for (const auto& [content, why] : companions) {
        const std::string name = "bad" + std::to_string(n++) + ".txt.rtf";
        ASSERT_TRUE(dir.WriteFile(name, content));
        EXPECT_FALSE(edit.OnOpen(dir / name)) << name;
        EXPECT_EQ(edit.GetLastError(), dir / name + ": " + why);
        EXPECT_EQ(Describe(edit.GetRichText()), before) << name;
        EXPECT_TRUE(edit.IsModified()) << "the edits made before stay unsaved";
    }
    EXPECT_FALSE(edit.OnOpen(dir / "missing.txt.rtf"));
    EXPECT_EQ(Describe(edit.GetRichText()), before);
    EXPECT_TRUE(edit.GetFilePath().empty());
}
