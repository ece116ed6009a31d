#pragma once
// The viewer's command line. The workstation starts it as
//   "TarnwickDiff.exe" "<first path>" "<second path>"
// and may put titles before the paths; the paths are taken exactly as given.
#include <string>
#include <vector>

namespace tarnwickdiff {

struct DiffArguments {
    std::string leftPath;
    std::string rightPath;
    std::string leftTitle;    // empty: the path is shown
    std::string rightTitle;
    bool ignoreWhitespace = false;
    std::string screenshot;   // PNG written once the window is shown, then exit
    bool firstPaintExit = false;   // exit once the first screen of the comparison is painted
    bool help = false;
};

// args without the program name. False with a one-line reason on bad usage.
bool ParseDiffArguments(const std::vector<std::string>& args, DiffArguments& out, std::string& error);

// The --help text.
std::string DiffUsage();

} // namespace tarnwickdiff
