// The input box as the results browser's "Find Text" uses it: each wrong
// entry gets its own message and the box stays open; OK with a good entry
// hands it back; Cancel hands nothing back.
#include "host/guiutil/CInputMessageDlg.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompter.h"

#include <QDialog>

#include <gtest/gtest.h>

using twtest::ModalDriver;

namespace {

void SetUpFind(CInputMessageDlg& dialog)
{
    dialog.SetCaption("Find Text");
    dialog.SetLabel("Keyword:");
    dialog.SetText("");
    dialog.SetMaxLength(0);
    dialog.SetMessages("Please input message!", "The input is invalid.", "The input is too long.");
}

} // namespace

TEST(CInputMessageDlg, NamesEachWrongEntryAndStaysOpen)
{
    twtest::ScriptedPrompter prompter;
    prompter.ExpectMessage("Please input message!", platform::BoxAnswer::Ok, twtest::kAppOkBox)
        .ExpectMessage("The input is invalid.", platform::BoxAnswer::Ok, twtest::kAppOkBox)
        .ExpectMessage("The input is too long.", platform::BoxAnswer::Ok, twtest::kAppOkBox)
        .ExpectMessage("The input is invalid.", platform::BoxAnswer::Ok, twtest::kAppOkBox);
    ModalDriver driver;
    std::string label;
    std::vector<int> results;
    driver.Expect([&](QDialog& dialog) {
        label = ModalDriver::Text(dialog, CInputMessageDlg::kIdcLabel);
        for (const std::string& entry : {std::string(), std::string("up\x01"), std::string(300, 'k'),
                                        std::string("down")}) {
            ModalDriver::FillText(dialog, CInputMessageDlg::kIdcInput, entry);
            ModalDriver::Click(dialog, CInputMessageDlg::kIdOk);
            results.push_back(dialog.result());
        }
        ModalDriver::FillText(dialog, CInputMessageDlg::kIdcInput, "line protocol is up");
        ModalDriver::Click(dialog, CInputMessageDlg::kIdOk);
        return dialog.result();
    });

    CInputMessageDlg dialog;
    SetUpFind(dialog);
    dialog.SetMaxLength(254);
    dialog.SetValidator([](const std::string& text) { return text != "down"; });
    ASSERT_TRUE(dialog.DoModal());
    EXPECT_EQ(dialog.GetText(), "line protocol is up");
    EXPECT_EQ(label, "Keyword:");
    EXPECT_EQ(driver.Titles(), std::vector<std::string>{"Find Text"});
    EXPECT_EQ(results, std::vector<int>(4, QDialog::Rejected));
    EXPECT_EQ(prompter.PendingCount(), 0u);
}

TEST(CInputMessageDlg, WithoutALimitTakesLongTextAndCancelKeepsTheText)
{
    twtest::ScriptedPrompter prompter;
    ModalDriver driver;
    driver.Expect([](QDialog& dialog) {
        ModalDriver::FillText(dialog, CInputMessageDlg::kIdcInput, std::string(5000, 'x'));
        ModalDriver::Click(dialog, CInputMessageDlg::kIdOk);
        return dialog.result();
    });
    CInputMessageDlg dialog;
    SetUpFind(dialog);
    ASSERT_TRUE(dialog.DoModal());
    EXPECT_EQ(dialog.GetText().size(), 5000u);

    CInputMessageDlg cancelled;
    SetUpFind(cancelled);
    cancelled.SetText("GigabitEthernet0/1");
    std::string shown;
    driver.Expect([&](QDialog& d) {
        shown = ModalDriver::Text(d, CInputMessageDlg::kIdcInput);
        ModalDriver::FillText(d, CInputMessageDlg::kIdcInput, "typed");
        return ModalDriver::ClickStep(CInputMessageDlg::kIdCancel)(d);
    });
    EXPECT_FALSE(cancelled.DoModal());
    EXPECT_EQ(shown, "GigabitEthernet0/1");
    EXPECT_EQ(cancelled.GetText(), "GigabitEthernet0/1");
}
