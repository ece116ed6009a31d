#pragma once
// Why a session log given to the import was not read to its end: the log
// could not be opened, a read failed, a line was too long for the line
// buffer, or an error stopped the splitting. The splitter collects them; the
// import tells the user after its summary.
#include <string>
#include <vector>

struct LogReadProblem {
    enum class Kind {
        CannotRead,    // nothing could be read: error holds the reason
        NotAFile,      // a folder, a pipe or a device, not a log file
        ReadFailed,    // a read failed at line: error holds the reason
        LineTooLong,   // line is longer than the line buffer
        Stopped,       // an error stopped the splitting at line: detail holds it
    };

    std::string file;
    Kind kind = Kind::CannotRead;
    long line = 0;
    int error = 0;
    std::string detail;

    // One line, without a line end: the file, the line where it matters, what
    // happened and what was left out.
    std::string Describe() const;
};

// The problems one to a line under a heading, for the message after the
// import's summary; empty when there are none.
std::string FormatLogReadProblems(const std::vector<LogReadProblem>& problems);
