// twdata: the DataFolder service of Tarnwick Workstation for scripts and cron
// jobs. The table commands (parse, compare-tables) run in this small program,
// which loads none of the workstation's libraries; for every other command it
// becomes twdata-session.
#include "apps/twdata/SessionProgram.h"
#include "apps/twdata/TableCommandsCli.h"
#include "platform/core/HeapTuning.h"

#include <csignal>
#include <iostream>

int main(int argc, char** argv)
{
    if (!twdata::TableCommandsCli::IsTableCommand(argc, argv))
        return twdata::SessionProgram::Become(argv, std::cerr);
    platform::KeepLargeBlocksForReuse();
    // Past a file-size limit (ulimit -f) a write then fails and is reported,
    // instead of the signal ending twdata mid-table.
    std::signal(SIGXFSZ, SIG_IGN);
    return twdata::TableCommandsCli(std::cout, std::cerr).RunAlone(argc, argv);
}
