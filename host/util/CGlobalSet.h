#pragma once
// Process-wide host settings: who is logged in, and the per-user settings
// file ("Workstation.ini" under $XDG_CONFIG_HOME/tarnwick/, or the file named
// by $TW_HOST_SETTINGS).
#include <memory>
#include <string>

class CConf;

class CGlobalSet {
public:
    static CGlobalSet& Instance();

    // The login name; empty only when the system knows no name for the user.
    static std::string GetCurUser();

    // The settings file, its folder created on first use.
    CConf& GetConf();
    // Points the settings at another file (tests, a second profile) and reads it.
    void SetConfFileName(const std::string& fileName);
    static std::string DefaultConfFileName();

    ~CGlobalSet();
    CGlobalSet(const CGlobalSet&) = delete;
    CGlobalSet& operator=(const CGlobalSet&) = delete;

private:
    CGlobalSet();

    std::unique_ptr<CConf> m_conf;
    bool m_folderReady = false;
};
