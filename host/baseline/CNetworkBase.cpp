#include "host/baseline/CNetworkBase.h"

#include "host/util/TWFileSystem.h"

CNetworkBase::CNetworkBase(const std::string& projectFolder)
    : m_fileSystem(std::make_unique<TWFileSystem>(projectFolder))
{
}

CNetworkBase::~CNetworkBase() = default;

std::string CNetworkBase::GetName() const { return m_fileSystem ? m_fileSystem->GetProjectName() : std::string(); }
