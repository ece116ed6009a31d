#pragma once
// The workstation's route-table service.
#include <string>

class QWidget;

class GuiRTCenter {
public:
    virtual ~GuiRTCenter();

    // The route-table viewer shows simulated tables when true, live ones otherwise.
    virtual void SetSimulatedMode(bool simulated) = 0;
    // Opens a route-table file in the host's viewer.
    virtual void OpenRouteTable(const std::string& path, int viewOption, int flags) = 0;
    // Starts a route-table compare of path against a table the host asks for.
    virtual void CompareRouteTable(QWidget* parent, const std::string& path) = 0;
    // Starts a route-table compare of two chosen tables, first against second.
    // A host without one does nothing.
    virtual void CompareRouteTables(QWidget* parent, const std::string& first, const std::string& second);
    // A route-table file was renamed; the host's open views follow it.
    virtual void OnRouteTableRenamed(const std::string& oldPath, const std::string& newPath) = 0;

    // The installed service, else a default that opens nothing.
    static GuiRTCenter& Instance();
    // Returns the previously installed service; null restores the default.
    static GuiRTCenter* Install(GuiRTCenter* center);
};
