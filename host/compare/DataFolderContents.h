#pragma once
// The comparable files of one DataFolder: a device's configuration, its
// tables of each kind, and the newest result of each show command, each
// under a key that matches the same data in another DataFolder.
#include "host/compare/CompareKind.h"

#include <map>
#include <string>
#include <tuple>

class CDataFolderContents {
public:
    struct Key {
        // Device first, so a walk over the keys meets a device's data together.
        std::string deviceKey;   // the device in lower case: names are matched ignoring case
        CompareKind kind;
        std::string item;        // command or saved table name; empty for a device's own file
        auto operator<=>(const Key&) const = default;
    };
    struct File {
        std::string device;      // as the file name spells it
        std::string path;
        std::string time;        // show-command results: the result's time, to keep the newest
    };

    // Reads the file names (not the files) of folder. False, with error set,
    // when the folder is missing or is no folder; a missing kind folder is
    // simply a kind without data.
    bool Scan(const std::string& folder, std::string& error);
    // The configurations lying directly in folder, as in a project's own
    // configuration folder ("*Baseline Config"). False, with error set, when
    // the folder is missing.
    bool ScanConfigurationFolder(const std::string& folder, std::string& error);

    const std::map<Key, File>& Files() const { return m_files; }
    // The key of a device's name: device names are matched ignoring ASCII case.
    static std::string DeviceKey(std::string device);

private:
    static bool FolderExists(const std::string& root, std::string& error);
    void ScanKind(const std::string& folder, const CompareKindInfo& kind);
    void Keep(Key key, File file);

    std::map<Key, File> m_files;
};
