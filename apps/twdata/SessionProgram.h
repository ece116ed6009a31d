#pragma once
// twdata's commands on a project run in the program twdata-session, which
// loads what opening a project takes (Qt, the DataFolder module). twdata
// itself loads none of it, so that the table commands start at once, and for
// every other command becomes that program.
#include <iosfwd>
#include <string>

namespace twdata {

class SessionProgram {
public:
    // Beside this program (the build tree), else in ../lib/tarnwick (an
    // installed tree); empty when neither holds it.
    static std::string Path();
    // Replaces this process with the session program, given the same
    // arguments. Returns only when it cannot be started: the exit status,
    // after a message on err.
    static int Become(char** argv, std::ostream& err);
};

} // namespace twdata
