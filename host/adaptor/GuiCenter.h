#pragma once
// The workstation's main GUI service.
#include <string>
#include <vector>

class GuiCenter {
public:
    virtual ~GuiCenter();

    // The current DataFolder became path: the host reloads its views of the
    // listed kinds of data (configurations, tables) from it.
    virtual void OnCurrentDataSetChanged(const std::string& path, const std::vector<int>& kinds,
                                         bool reloadViews, int options) = 0;
    // True while the session may not create DataFolders or run device commands.
    virtual bool IsRestrictedMode() = 0;

    // The installed service, else a default that changes nothing and restricts nothing.
    static GuiCenter& Instance();
    // Returns the previously installed service; null restores the default.
    static GuiCenter* Install(GuiCenter* center);
};
