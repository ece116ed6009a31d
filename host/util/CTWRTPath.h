#pragma once
// Names and places of the cached tables of a DataFolder: one table of one
// device per file. A device's own table, the one the parsers write and the
// workstation reads, carries the built-in name "default-live" and is named
//   <host>.<ext>                    or  <host>$<qualifier>.<ext>
// every other table (saved under a name of the user's, or a simulated route
// table, "default-simulation") is named
//   <host>$<name>$<qualifier>.<ext>     (the qualifier may be empty)
// Each part is percent-encoded as result names are (CFileName::ToSysFileName),
// so a part never holds a raw '$' and any text round-trips.
#include "platform/core/FileTimes.h"

#include <string>
#include <vector>

class TWFileSystem;

// One table of a device as the table lister finds it.
struct CRTItem {
    std::string path;        // the table file
    std::string host;        // the device
    std::string label;       // the table name ("default-live", a saved name, a show command)
    std::string qualifier;   // may be empty
    platform::FileTime time = 0;   // the file's last-write time
};

class CTWRTPath {
public:
    // Table type codes, as the table pages and the compare dialog pass them.
    enum TableType : int {
        kRouteTable = 1,
        kSimulatedRouteTable = 2,
        kArpTable = 4,
        kMacTable = 8,
        kShowCommandResult = 16,
        kCdpTable = 17,
    };

    static const char* const kDefaultLiveName;         // "default-live"
    static const char* const kDefaultSimulationName;   // "default-simulation"

    // Splits a table file name (a bare name or a full path) into its parts,
    // decoding %XX. A name with only a host carries "default-live". False, with
    // the parts empty, for a name that holds no host or more than three parts:
    // no table name of this host looks like that.
    static bool ParseRtbFileName(const std::string& fileName, std::string& host, std::string& name,
                                 std::string& qualifier);
    // The file name of a table: the inverse of ParseRtbFileName, with the
    // extension of the type ("default-live" and an empty name give the short form).
    static std::string GetRtbFileName(const std::string& host, const std::string& name,
                                      const std::string& qualifier, int type);

    // ".ort", ".oat", ".omt", ".txt", ".cdp"; route tables for unknown codes.
    static std::string GetTableExtension(int type);
    // Where tables of the type lie in the DataFolder at dataFolderPath, ending in '/'.
    static std::string GetTableFolder(const std::string& dataFolderPath, int type);
    // True for the two built-in names (compared ignoring case).
    static bool IsBuiltInName(const std::string& name);

    // Appends the host's tables of the type in the DataFolder, in the order the
    // directory search delivers them. dataFolder is a path, or a DataFolder name
    // that fileSystem's registry resolves (null: the open project's). With
    // ignoreCase the host matches without regard to case. Show-command results
    // (type 16) list each result with its command as label. Files whose names
    // do not parse are left out.
    static void GetAllRTInDataSet(TWFileSystem* fileSystem, std::vector<CRTItem>& out,
                                  const std::string& dataFolder, const std::string& host,
                                  bool ignoreCase, int type);

    // Copying and moving a table file. The new file appears whole or not at all
    // (written beside its target, then renamed), keeps the source's
    // last-write time, and never replaces an existing file unless replace is set.
    struct Transfer {
        enum Status { kDone, kExists, kFailed };
        Status status = kFailed;
        std::string error;   // one sentence for the user when kFailed
        bool Ok() const { return status == kDone; }
    };
    static Transfer CopyTableFile(const std::string& from, const std::string& to, bool replace);
    static Transfer MoveTableFile(const std::string& from, const std::string& to, bool replace);
};
