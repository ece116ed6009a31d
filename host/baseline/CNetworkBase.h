#pragma once
// A network (project) of the host; holds its folder service.
#include <memory>
#include <string>

class TWFileSystem;

class CNetworkBase {
public:
    explicit CNetworkBase(const std::string& projectFolder);
    virtual ~CNetworkBase();
    CNetworkBase(const CNetworkBase&) = delete;
    CNetworkBase& operator=(const CNetworkBase&) = delete;

    TWFileSystem* GetFileSystem() const { return m_fileSystem.get(); }
    std::string GetName() const;

protected:
    std::unique_ptr<TWFileSystem> m_fileSystem;
};
