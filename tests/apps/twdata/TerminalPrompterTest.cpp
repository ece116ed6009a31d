// The prompter of twdata: texts to standard error as they are, questions asked
// on a terminal, answered by --yes, or refused.
#include "apps/twdata/TerminalPrompter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct Streams {
    Streams(const std::string& typed) : in(std::tmpfile()), err(std::tmpfile())
    {
        std::fputs(typed.c_str(), in);
        std::rewind(in);
    }
    ~Streams()
    {
        std::fclose(in);
        std::fclose(err);
    }
    std::string Written()
    {
        std::rewind(err);
        std::string text;
        for (int c = std::fgetc(err); c != EOF; c = std::fgetc(err))
            text += static_cast<char>(c);
        return text;
    }
    std::FILE* in;
    std::FILE* err;
};

platform::BoxAnswer Ask(twdata::TerminalPrompter& prompter, platform::BoxButtons buttons)
{
    platform::MessageRequest request;
    request.caption = "Tarnwick Workstation";
    request.text = "Delete?";
    request.buttons = buttons;
    return prompter.Message(request);
}

} // namespace

TEST(TerminalPrompter, AsksOnATerminalElseNeedsYes)
{
    Streams typed("y\n\nyes\n");
    twdata::TerminalPrompter terminal(false, typed.in, typed.err, true);
    EXPECT_EQ(Ask(terminal, platform::BoxButtons::YesNo), platform::BoxAnswer::Yes);
    EXPECT_EQ(Ask(terminal, platform::BoxButtons::YesNo), platform::BoxAnswer::No);
    EXPECT_EQ(Ask(terminal, platform::BoxButtons::OkCancel), platform::BoxAnswer::Ok);
    EXPECT_EQ(Ask(terminal, platform::BoxButtons::YesNo), platform::BoxAnswer::No);   // end of input
    EXPECT_EQ(typed.Written(), "Delete? [y/N] Delete? [y/N] Delete? [y/N] Delete? [y/N] ");

    Streams script("y\n");
    twdata::TerminalPrompter noTerminal(false, script.in, script.err, false);
    EXPECT_EQ(Ask(noTerminal, platform::BoxButtons::YesNo), platform::BoxAnswer::No);
    EXPECT_EQ(noTerminal.RefusedQuestions(), 1);
    EXPECT_EQ(script.Written().rfind("Delete?\n", 0), 0u);

    Streams confirmed("");
    twdata::TerminalPrompter yes(true, confirmed.in, confirmed.err, false);
    EXPECT_EQ(Ask(yes, platform::BoxButtons::YesNo), platform::BoxAnswer::Yes);
    platform::MessageRequest notice;
    notice.caption = "Tarnwick Workstation";
    notice.text = "The system DataFolder cannot be deleted.";
    EXPECT_EQ(yes.Message(notice), platform::BoxAnswer::Ok);
    EXPECT_EQ(confirmed.Written(), "Delete? [y/N] y (--yes)\nThe system DataFolder cannot be deleted.\n");
    std::string text;
    EXPECT_FALSE(yes.InputText({}, text));
    EXPECT_TRUE(yes.BrowseFolder({}).empty());
}
