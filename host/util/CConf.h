#pragma once
// An INI file read and written one value at a time. Every SetValue rewrites the
// file (atomically) and keeps the other sections and keys as they were.
#include <memory>
#include <string>
#include <vector>

class CConf {
public:
    CConf();
    explicit CConf(const std::string& fileName);
    ~CConf();
    CConf(const CConf&) = delete;
    CConf& operator=(const CConf&) = delete;

    // Names the file and (re)loads it; a missing file is an empty one.
    void SetConfFileName(const std::string& fileName);
    const std::string& GetConfFileName() const;

    // Copies at most size-1 bytes of the value (or of defaultValue when the key
    // is missing) into buffer, zero-terminated; returns the number copied.
    int GetStringValue(const std::string& section, const std::string& key, char* buffer, int size,
                       const char* defaultValue = nullptr) const;
    std::string GetValue(const std::string& section, const std::string& key,
                         const std::string& defaultValue = "") const;
    bool HasKey(const std::string& section, const std::string& key) const;
    // Keys of a section in file order.
    std::vector<std::string> GetKeys(const std::string& section) const;

    // False when the file could not be written (the value is still kept in memory).
    bool SetValue(const std::string& section, const std::string& key, const std::string& value);
    bool DeleteKey(const std::string& section, const std::string& key);
    bool DeleteSection(const std::string& section);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
