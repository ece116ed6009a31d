#pragma once
// The twdata command line: parses the arguments, opens the project and runs
// one command on it. Needs a QApplication (the service's picker is a widget).
#include <iosfwd>

namespace twdata {

class TwDataCli {
public:
    TwDataCli(std::ostream& out, std::ostream& err);

    // The exit status: 0 done, 1 refused or failed, 2 wrong usage.
    int Run(int argc, char** argv);

private:
    std::ostream& m_out;
    std::ostream& m_err;
};

} // namespace twdata
