#pragma once
// An INI file read and written one value at a time. Every change is a
// read-modify-write under the file's advisory lock: the file is read again,
// only the changed keys are changed, and the file is replaced atomically, so
// other processes' changes to other keys are never lost. A change that
// alters nothing leaves the file untouched.
#include <functional>
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

    // Several changes as one: under the file's lock the file is read again,
    // change runs on that fresh content (the SetValue, DeleteKey and
    // DeleteSection it makes are kept in memory), and when it answers true the
    // file is written once. False when change answers false (nothing is
    // written), or the file cannot be locked or written (the changes are still
    // kept in memory). An Edit inside an Edit joins the outer one. Inside
    // change, write through the CConf given only: a second CConf on the same
    // file would wait for this lock for ever.
    bool Edit(const std::function<bool(CConf&)>& change);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
