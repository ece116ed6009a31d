#pragma once
// A device of the L2 model. The L2 parsers turn a device's show-command
// output into a table file of the named DataFolder:
//   <DataFolder>/<kind folder>/<device>[$<qualifier>].<ext>
// (device and qualifier percent-encoded as the route-table names are).
// Each answers false, writing nothing, when the output holds no entry of its
// kind, so an error message never replaces a good table.
//
// The source code (1021 for text captured from a CLI session) is the host's
// tag of where the text came from; every origin is parsed the same way.
#include <set>
#include <string>
#include <vector>

class CDeviceObj {
public:
    // One neighbour of "show cdp neighbors detail".
    struct CdpEntry {
        std::string localInterface;
        std::string destinationHost;
        std::string remotePort;
        std::string managementIp;    // first management address, else first entry address
        std::string platform;
        std::string capabilities;
        std::string softwareVersion; // first line of the version text
    };

    virtual ~CDeviceObj() = default;

    // "show cdp neighbors detail" (IOS and NX-OS) into "<device>.cdp" of the
    // DataFolder's CDP folder. A non-empty localInterfaces keeps only the
    // neighbours seen on those interfaces (names as the device printed them).
    static bool ParseCdpTable(const std::string& device, int source, const std::string& dataFolder,
                              std::string output, const std::string& qualifier,
                              const std::set<std::string>& localInterfaces);
    static std::vector<CdpEntry> ParseCdpText(const std::string& output);
    static const std::vector<std::string>& CdpColumns();

    // Table file of a device in the DataFolder's kind folder: the DataFolder
    // is a name the open project's registry knows, an existing folder path,
    // or empty for the current DataFolder. Empty when it resolves to nothing.
    // kindFolder is one of TWFileSystem's kind-folder getters.
    using KindFolder = std::string (*)(const std::string& dataSetPath);
    static std::string TablePath(const std::string& dataFolder, KindFolder kindFolder, const std::string& device,
                                 const std::string& qualifier, const std::string& extension);
};
