#include "host/liveaccess/CDevicePasswords.h"

#include "host/liveaccess/CSshSession.h"
#include "host/liveaccess/ISecretStore.h"

CDevicePasswords::CDevicePasswords(ISecretStore& store)
    : m_store(store)
{
}

CDevicePasswords::Key CDevicePasswords::KeyOf(const SshLogin& login)
{
    return {login.host, login.port, login.user};
}

bool CDevicePasswords::Find(const SshLogin& login, std::string& password)
{
    const auto known = m_thisRun.find(KeyOf(login));
    if (known != m_thisRun.end()) {
        password = known->second;
        return true;
    }
    return m_store.Lookup(login, password);
}

void CDevicePasswords::Remember(const SshLogin& login, const std::string& password)
{
    if (!m_store.Store(login, password))
        m_thisRun[KeyOf(login)] = password;
}

void CDevicePasswords::Forget(const SshLogin& login)
{
    m_thisRun.erase(KeyOf(login));
    m_store.Forget(login);
}
