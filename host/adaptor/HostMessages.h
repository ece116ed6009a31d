#pragma once
// The messages the DataFolder browser's pages send to the workstation's
// windows through MessageDispatcher, and the records they carry. Pointers
// travel as integers and are valid only during the call.
#include "host/adaptor/GuiDeviceCenter.h"

#include <map>
#include <string>
#include <vector>

namespace hostmsg {

// Receivers (MessageDispatcher::CallReceiver).
inline constexpr int kConfigViewerReceiver = 0;   // configuration viewer and workspace updates
inline constexpr int kProjectTreeReceiver = 3;    // the project's tree of DataFolders
inline constexpr int kTableViewerReceiver = 11;   // ARP, MAC and CDP tables

// To kConfigViewerReceiver.
// wparam 0, lparam const ConfigViewRequest*: open the file in the configuration viewer.
inline constexpr unsigned kViewConfig = 1087;
// wparam const char* first path, lparam const char* second path: compare two
// configuration files of a device.
inline constexpr unsigned kCompareConfigFiles = 1088;
// wparam const char* path, lparam CNetworkBase* or 0: compare the configuration
// with the same device's configuration of the project.
inline constexpr unsigned kCompareConfig = 1089;
// wparam 0, lparam const ConfigUpdateRequest*: make the file the device's
// configuration in the project.
inline constexpr unsigned kUpdateConfig = 1092;
// wparam const std::vector<GuiDeviceCenter::DeviceEntry>*, lparam const char*
// kind folder: the same for every listed device, from its file in that folder.
inline constexpr unsigned kUpdateConfigs = 1121;

// To kProjectTreeReceiver: wparam const char* old name, lparam const char* new name.
inline constexpr unsigned kDataFolderRenamed = 2050;

// To kTableViewerReceiver. View: wparam const char* path, lparam 0.
// Compare: wparam 0, lparam const TableCompareRequest*.
inline constexpr unsigned kViewArpTable = 2945;
inline constexpr unsigned kViewMacTable = 2946;
inline constexpr unsigned kViewCdpTable = 2948;
inline constexpr unsigned kCompareArpTable = 2949;
inline constexpr unsigned kCompareMacTable = 2950;
inline constexpr unsigned kCompareCdpTable = 2952;

// By message (MessageDispatcher::DispatchMessage): wparam const char* path of a
// route summary, lparam CNetworkBase* or 0.
inline constexpr unsigned kViewRouteSummary = 3331;

struct ConfigViewRequest {
    const char* path = nullptr;
    bool readOnly = true;
    bool activate = true;
    int line = 0;
    bool compare = false;
};

struct ConfigUpdateRequest {
    int kind = 3;   // 3: the device's configuration from a file
    std::string deviceName;
    int deviceType = 0;
    std::string path;
};

struct TableCompareRequest {
    std::string hostName;
    std::string path;
    std::string otherHostName;   // the same host again: the current DataFolder's table of it
    std::string otherPath;       // when set, the table to compare with (otherHostName is then not used)
    int options = 0;
    std::map<std::string, std::string> columnMap;
    bool keyed = false;
    std::vector<std::string> columns;
};

} // namespace hostmsg
