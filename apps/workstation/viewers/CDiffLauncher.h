#pragma once
// Starts the side-by-side difference viewer TarnwickDiff.exe on two files,
// with the command line the DataFolder module uses for it.
#include <string>

class QWidget;

namespace workstation {

class CDiffLauncher {
public:
    // "TarnwickDiff.exe" "<first>" "<second>": each path in double quotes,
    // unchanged.
    static std::string CommandLine(const std::string& first, const std::string& second);
    // Starts the viewer, not waiting for it; when it cannot be started, says
    // so to the user and returns false.
    static bool Start(const std::string& first, const std::string& second, QWidget* parent);
};

} // namespace workstation
