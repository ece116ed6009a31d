#include "host/util/CConf.h"

#include "host/util/CFileLock.h"
#include "host/util/TextFile.h"
#include "platform/core/Paths.h"

// Narrow UTF-8 only: no wide-character conversion tables needed. The
// distribution's header keeps the template bodies behind SI_IMPLEMENTATION
// (for its own library); this is the only user, so they are built here.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <cstring>
#include <list>

namespace {

// SimpleIni writes bare "\n" on this platform; DataFolders and settings must
// stay readable by the Windows tools, so every line ends in CR LF on disk.
std::string ToCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n')
                continue; // the "\n" that follows writes the pair
            out += "\r\n";
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

// A line break would split the entry, and "]" or "=" would be read back as the
// end of the section or key name: such names and values are refused.
bool IsStorable(const std::string& section, const std::string& key, const std::string& value)
{
    const auto has = [](const std::string& text, const char* chars) {
        return text.find_first_of(chars) != std::string::npos;
    };
    return !section.empty() && !key.empty() && !has(section, "]\r\n") && !has(key, "=\r\n") &&
           !has(value, "\r\n");
}

} // namespace

struct CConf::Impl {
    // UTF-8, one value per key, no multi-line values: the Windows profile rules.
    CSimpleIniA ini{true, false, false};
    std::string fileName;
    bool editing = false;   // inside Edit: changes stay in memory until it ends
    bool changed = false;   // something was changed since the Edit began

    Impl() { ini.SetSpaces(false); }

    void Load()
    {
        ini.Reset();
        std::string bytes;
        if (TextFile::Read(fileName, bytes)) // a missing or unreadable file reads as empty
            ini.LoadData(bytes);
    }

    bool Store() const
    {
        if (fileName.empty())
            return false;
        std::string text;
        if (ini.Save(text, false) < 0)
            return false;
        return platform::AtomicWriteFile(fileName, ToCrLf(text));
    }
};

CConf::CConf() : m_impl(std::make_unique<Impl>()) {}

CConf::CConf(const std::string& fileName) : CConf()
{
    SetConfFileName(fileName);
}

CConf::~CConf() = default;

void CConf::SetConfFileName(const std::string& fileName)
{
    m_impl->fileName = fileName;
    m_impl->Load();
}

const std::string& CConf::GetConfFileName() const
{
    return m_impl->fileName;
}

int CConf::GetStringValue(const std::string& section, const std::string& key, char* buffer, int size,
                          const char* defaultValue) const
{
    if (!buffer || size <= 0)
        return 0;
    const char* value = m_impl->ini.GetValue(section.c_str(), key.c_str(), defaultValue);
    if (!value)
        value = "";
    const std::size_t n = std::min(std::strlen(value), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, value, n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

std::string CConf::GetValue(const std::string& section, const std::string& key,
                            const std::string& defaultValue) const
{
    const char* value = m_impl->ini.GetValue(section.c_str(), key.c_str(), nullptr);
    return value ? std::string(value) : defaultValue;
}

bool CConf::HasKey(const std::string& section, const std::string& key) const
{
    return m_impl->ini.GetValue(section.c_str(), key.c_str(), nullptr) != nullptr;
}

std::vector<std::string> CConf::GetKeys(const std::string& section) const
{
    CSimpleIniA::TNamesDepend keys;
    m_impl->ini.GetAllKeys(section.c_str(), keys);
    keys.sort(CSimpleIniA::Entry::LoadOrder());
    std::vector<std::string> out;
    out.reserve(keys.size());
    for (const auto& entry : keys)
        out.emplace_back(entry.pItem);
    return out;
}

bool CConf::SetValue(const std::string& section, const std::string& key, const std::string& value)
{
    if (!IsStorable(section, key, value))
        return false;
    return Edit([&](CConf& self) {
        CSimpleIniA& ini = self.m_impl->ini;
        const char* old = ini.GetValue(section.c_str(), key.c_str(), nullptr);
        if (old && value == old)
            return true;
        if (ini.SetValue(section.c_str(), key.c_str(), value.c_str()) < 0)
            return false;
        self.m_impl->changed = true;
        return true;
    });
}

bool CConf::DeleteKey(const std::string& section, const std::string& key)
{
    // Nothing to delete is not a failure: the key is absent either way.
    return Edit([&](CConf& self) {
        if (self.m_impl->ini.Delete(section.c_str(), key.c_str(), false))
            self.m_impl->changed = true;
        return true;
    });
}

bool CConf::DeleteSection(const std::string& section)
{
    return Edit([&](CConf& self) {
        if (self.m_impl->ini.Delete(section.c_str(), nullptr))
            self.m_impl->changed = true;
        return true;
    });
}

bool CConf::Edit(const std::function<bool(CConf&)>& change)
{
    Impl& impl = *m_impl;
    if (impl.editing)
        return change(*this);
    if (impl.fileName.empty()) {
        change(*this);   // kept in memory: there is no file to write
        return false;
    }

    CFileLock lock(impl.fileName);
    impl.Load();   // what other processes wrote since this object last read
    impl.editing = true;
    impl.changed = false;
    bool ok = change(*this);
    impl.editing = false;
    if (ok && impl.changed) {
        ok = lock.Locked() && impl.Store();
        if (ok)
            lock.Written();
    }
    impl.changed = false;
    return ok;
}
