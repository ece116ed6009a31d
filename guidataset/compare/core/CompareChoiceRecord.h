#pragma once
// The DataFolders a comparison dialog's user chose last time, kept by name
// under the caller's keys in "RECORD_INFO" of the open project's "TWDataSet.ini",
// so they survive restarts of the workstation.
#include <cstddef>
#include <string>

// Names are read into a 256-byte buffer: at most 255 bytes of a name count.
inline constexpr std::size_t kRememberedNameBytes = 255;

class CompareChoiceRecord {
public:
    // Opens the record of the project open now; without one nothing is read or written.
    CompareChoiceRecord();

    // The name remembered under key; empty when none or no project is open.
    std::string Read(const std::string& key) const;
    // False when no project is open or the record cannot be written.
    bool Write(const std::string& key, const std::string& name) const;

private:
    std::string m_file;
};

// name cut to its first kRememberedNameBytes bytes.
std::string CutRememberedName(const std::string& name);
