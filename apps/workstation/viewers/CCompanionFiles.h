#pragma once
// Where the file that a comparison or a workspace update pairs with a
// DataFolder's file lies: the project's configuration of the same device
// (Config/<device>.config), or the current DataFolder's table of the same
// device and kind. File names are found ignoring ASCII case, as on the
// Windows side that wrote many of these folders.
#include <string>

class TWFileSystem;

namespace workstation {

// The kinds of table file the table viewer shows.
enum class TableKind { Route, SimulatedRoute, Arp, Mac, Cdp };

class CCompanionFiles {
public:
    // "ARP table", "route table (simulated)", ...
    static std::string KindTitle(TableKind kind);
    // ".oat", ".omt", ".cdp", ".ort"
    static std::string KindExtension(TableKind kind);

    // The file of folder named name; the exact spelling first, else one that
    // differs only in ASCII case. Empty when there is none.
    static std::string FindInFolder(const std::string& folder, const std::string& name);

    // "<folder>/core-r1.config" -> "core-r1" (file names carry %XX for
    // characters a file name cannot hold).
    static std::string ConfigDevice(const std::string& configPath);
    // A device's configuration file name: "core-r1.config".
    static std::string ConfigFileName(const std::string& device);
    // The host name a configuration gives itself ("hostname", "switchname"
    // or CatOS "set system name"); empty when none is found near the top.
    static std::string ConfigHostName(const std::string& configPath);
    // The project's configuration of the device; empty when it has none.
    static std::string ProjectConfig(const TWFileSystem& fileSystem, const std::string& device);

    // "<host>[$<qualifier>].<ext>" -> host and qualifier, decoded.
    static void SplitTableName(const std::string& path, std::string& host, std::string& qualifier);
    // The DataFolder a table or configuration lies in: its kind folder's
    // parent, or its own folder for a file directly in a DataFolder. Ends in '/'.
    static std::string DataFolderOf(const std::string& path);
    // The current DataFolder's table of kind for host, with the table's own
    // qualifier; kept in the same place in that DataFolder as the table is in
    // its own. Empty when there is none.
    static std::string CurrentDataFolderTable(const TWFileSystem& fileSystem, TableKind kind,
                                              const std::string& tablePath, const std::string& host);

    // True when both paths name the same file on disk.
    static bool SameFile(const std::string& first, const std::string& second);
};

} // namespace workstation
