#include "platform/qt/Profile.h"

#include <QSettings>

#include <memory>
#include <mutex>

namespace platform {

namespace {

std::mutex g_mutex;
std::string g_file;

std::unique_ptr<QSettings> OpenProfile()
{
    std::lock_guard lock(g_mutex);
    if (!g_file.empty())
        return std::make_unique<QSettings>(QString::fromStdString(g_file), QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Tarnwick"), QStringLiteral("Workstation"));
}

QString KeyOf(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

bool Store(const std::string& section, const std::string& key, const QVariant& value)
{
    auto settings = OpenProfile();
    settings->setValue(KeyOf(section, key), value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace

std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& defaultValue)
{
    const QVariant value = OpenProfile()->value(KeyOf(section, key));
    if (!value.isValid())
        return defaultValue;
    return value.toString().toStdString();
}

bool WriteProfileString(const std::string& section, const std::string& key, const std::string& value)
{
    return Store(section, key, QString::fromStdString(value));
}

int GetProfileInt(const std::string& section, const std::string& key, int defaultValue)
{
    const QVariant value = OpenProfile()->value(KeyOf(section, key));
    if (!value.isValid())
        return defaultValue;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : defaultValue;
}

bool WriteProfileInt(const std::string& section, const std::string& key, int value)
{
    return Store(section, key, value);
}

void SetProfileFile(const std::string& iniPath)
{
    std::lock_guard lock(g_mutex);
    g_file = iniPath;
}

} // namespace platform
