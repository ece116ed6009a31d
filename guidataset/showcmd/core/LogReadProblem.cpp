#include "guidataset/showcmd/core/LogReadProblem.h"

#include "guidataset/showcmd/core/SplitShowCmds.h"

#include <system_error>

static_assert(SplitShowCmds::kLineBufferSize == 2048, "the message below names the longest line");

namespace {

std::string Reason(int error)
{
    return std::generic_category().message(error);
}

} // namespace

std::string LogReadProblem::Describe() const
{
    const std::string atLine = file + ", line " + std::to_string(line) + ": ";
    const std::string restLost = "; the rest of the file was not imported";
    switch (kind) {
    case Kind::CannotRead:
        return file + ": cannot be read (" + Reason(error) + "); nothing was imported from it";
    case Kind::NotAFile:
        return file + ": not a regular file; nothing was imported from it";
    case Kind::ReadFailed:
        return atLine + "reading failed (" + Reason(error) + ")" + restLost;
    case Kind::LineTooLong:
        return atLine + "longer than 2,047 characters" + restLost;
    case Kind::Stopped:
        return atLine + "the import stopped on an error (" + detail + ")" + restLost;
    }
    return file;
}

std::string FormatLogReadProblems(const std::vector<LogReadProblem>& problems)
{
    if (problems.empty())
        return {};
    std::string text = problems.size() == 1 ? "One log was not imported completely:"
                                            : "Some logs were not imported completely:";
    for (const LogReadProblem& problem : problems)
        text += "\n" + problem.Describe();
    return text;
}
