#pragma once
// The exit statuses of every twdata command.
namespace twdata {

enum ExitStatus : int {
    kExitDone = 0,
    kExitFailed = 1,   // refused, or the change did not reach the disk
    kExitUsage = 2,    // wrong command line
};

} // namespace twdata
