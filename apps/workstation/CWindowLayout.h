#pragma once
// The main window's layout in the per-user profile, so that a restart looks as
// the user left it: the window's place and size, its docks and toolbars, and
// the DataFolders whose browsers were open in the project that was open.
#include <string>
#include <vector>

class QMainWindow;

namespace workstation {

class CWindowLayout {
public:
    // Profile section and keys.
    static constexpr const char* kSection = "MainWindow";
    static constexpr const char* kGeometryKey = "Geometry";
    static constexpr const char* kStateKey = "State";
    static constexpr const char* kBrowserProjectKey = "BrowserProject";
    static constexpr const char* kBrowsersKey = "Browsers";

    // browsers: the DataFolder names of the open browsers of projectFolder
    // (empty when no project is open).
    static void Save(const QMainWindow& window, const std::string& projectFolder,
                     const std::vector<std::string>& browsers);
    // Puts the window and its docks and toolbars where they were; false when
    // nothing was kept or what was kept no longer fits this window.
    static bool Restore(QMainWindow& window);
    // The DataFolders whose browsers were open when projectFolder was last
    // left; none for another project.
    static std::vector<std::string> Browsers(const std::string& projectFolder);
};

} // namespace workstation
