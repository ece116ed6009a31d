#include "host/liveaccess/CSecretStore.h"

#include "host/liveaccess/CSshSession.h"

#include <libsecret/secret.h>

namespace {
const SecretSchema* Schema()
{
    static const SecretSchema schema = {
        "org.tarnwick.Workstation.DevicePassword",
        SECRET_SCHEMA_NONE,
        {{"host", SECRET_SCHEMA_ATTRIBUTE_STRING},
         {"port", SECRET_SCHEMA_ATTRIBUTE_INTEGER},
         {"user", SECRET_SCHEMA_ATTRIBUTE_STRING},
         {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
        0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
    return &schema;
}

// No secret store without a session bus: asking would only wait for a timeout.
bool HasSessionBus()
{
    return g_getenv("DBUS_SESSION_BUS_ADDRESS") != nullptr;
}
} // namespace

bool CSecretStore::Lookup(const SshLogin& login, std::string& password)
{
    if (!HasSessionBus())
        return false;
    GError* error = nullptr;
    gchar* found = secret_password_lookup_sync(Schema(), nullptr, &error, "host", login.host.c_str(), "port", login.port,
                                               "user", login.user.c_str(), nullptr);
    if (error)
        g_error_free(error);
    if (!found)
        return false;
    password = found;
    secret_password_free(found);
    return true;
}

bool CSecretStore::Store(const SshLogin& login, const std::string& password)
{
    if (!HasSessionBus())
        return false;
    GError* error = nullptr;
    const std::string label =
        "Tarnwick Workstation: " + login.user + "@" + login.host + " port " + std::to_string(login.port);
    const gboolean stored =
        secret_password_store_sync(Schema(), SECRET_COLLECTION_DEFAULT, label.c_str(), password.c_str(), nullptr,
                                   &error, "host", login.host.c_str(), "port", login.port, "user", login.user.c_str(),
                                   nullptr);
    if (error)
        g_error_free(error);
    return stored;
}

bool CSecretStore::Forget(const SshLogin& login)
{
    if (!HasSessionBus())
        return false;
    GError* error = nullptr;
    const gboolean removed = secret_password_clear_sync(Schema(), nullptr, &error, "host", login.host.c_str(), "port",
                                                        login.port, "user", login.user.c_str(), nullptr);
    if (error)
        g_error_free(error);
    return removed;
}
