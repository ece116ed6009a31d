#pragma once
// The "Configuration File" page: one row per device configuration
// ("<host>.config"). Opens a configuration in the host's configuration
// viewer, asks the host to compare it, makes one or several of them the
// project's configurations ("Update to workspace"), and puts their devices
// into a device group.
#include "guidataset/browser/CSubDatasetNormal.h"

#include "host/adaptor/GuiDeviceCenter.h"

#include <vector>

class CSubDatasetConfigFile : public CSubDatasetNormal {
public:
    bool OnCommand(int commandId, int pageId) override;
    bool BuildMenu(CPopupMenu& menu, CPopupMenu& subMenu, bool locked, int pageId) override;
    void ViewFile(const std::string& path, int pageId) override;
    void CompareFile(const std::string& path, int pageId) override;
    void OnDeviceGroup(int create) override;

private:
    void UpdateOne();
    void UpdateSeveral();
};
