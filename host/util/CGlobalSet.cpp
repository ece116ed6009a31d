#include "host/util/CGlobalSet.h"

#include "host/util/CConf.h"
#include "host/util/Pathname.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

} // namespace

CGlobalSet& CGlobalSet::Instance()
{
    static CGlobalSet instance;
    return instance;
}

CGlobalSet::CGlobalSet() : m_conf(std::make_unique<CConf>())
{
    // The file is only read here; its folder is made when the settings are first used.
    m_conf->SetConfFileName(DefaultConfFileName());
}

CGlobalSet::~CGlobalSet() = default;

std::string CGlobalSet::DefaultConfFileName()
{
    std::string explicitFile = Env("TW_HOST_SETTINGS");
    if (!explicitFile.empty())
        return explicitFile;
    std::string base = Env("XDG_CONFIG_HOME");
    if (base.empty() || base[0] != '/') { // relative values are invalid by the XDG rules
        std::string home = Env("HOME");
        if (home.empty()) {
            if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_dir)
                home = pw->pw_dir;
        }
        base = home + "/.config";
    }
    if (base.back() != '/')
        base += '/';
    return base + "tarnwick/Workstation.ini";
}

std::string CGlobalSet::GetCurUser()
{
    std::vector<char> name(256, '\0');
    if (::getlogin_r(name.data(), name.size()) == 0 && name[0] != '\0')
        return std::string(name.data());
    // No controlling terminal (services, containers, cron): ask the environment,
    // then the user database.
    for (const char* variable : {"USER", "LOGNAME"}) {
        std::string value = Env(variable);
        if (!value.empty())
            return value;
    }
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name)
        return pw->pw_name;
    return std::string();
}

CConf& CGlobalSet::GetConf()
{
    if (!m_folderReady) {
        const std::string& file = m_conf->GetConfFileName();
        const std::size_t slash = file.find_last_of('/');
        if (slash != std::string::npos && slash > 0)
            Pathname(file.substr(0, slash)).mkdirHier(0700);
        m_folderReady = true;
    }
    return *m_conf;
}

void CGlobalSet::SetConfFileName(const std::string& fileName)
{
    m_conf->SetConfFileName(fileName);
    m_folderReady = false;
}
