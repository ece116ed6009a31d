#include "apps/workstation/CWindowLayout.h"

#include "platform/qt/Profile.h"

#include <QByteArray>
#include <QMainWindow>
#include <QString>
#include <QStringList>

namespace workstation {

namespace {

// Binary layouts are kept as Base64 text: the profile holds strings.
std::string Encode(const QByteArray& bytes) { return bytes.toBase64().toStdString(); }

QByteArray Decode(const std::string& text)
{
    return QByteArray::fromBase64(QByteArray::fromStdString(text));
}

// A DataFolder name is a folder name: it never holds a line break.
constexpr char kNameSeparator = '\n';

} // namespace

void CWindowLayout::Save(const QMainWindow& window, const std::string& projectFolder,
                         const std::vector<std::string>& browsers)
{
    platform::WriteProfileString(kSection, kGeometryKey, Encode(window.saveGeometry()));
    platform::WriteProfileString(kSection, kStateKey, Encode(window.saveState()));
    std::string names;
    for (const std::string& name : browsers) {
        if (!names.empty())
            names += kNameSeparator;
        names += name;
    }
    platform::WriteProfileString(kSection, kBrowserProjectKey, projectFolder);
    platform::WriteProfileString(kSection, kBrowsersKey, names);
}

bool CWindowLayout::Restore(QMainWindow& window)
{
    const QByteArray geometry = Decode(platform::GetProfileString(kSection, kGeometryKey));
    const QByteArray state = Decode(platform::GetProfileString(kSection, kStateKey));
    const bool placed = !geometry.isEmpty() && window.restoreGeometry(geometry);
    const bool arranged = !state.isEmpty() && window.restoreState(state);
    return placed || arranged;
}

std::vector<std::string> CWindowLayout::Browsers(const std::string& projectFolder)
{
    std::vector<std::string> names;
    if (projectFolder.empty() || platform::GetProfileString(kSection, kBrowserProjectKey) != projectFolder)
        return names;
    const QString kept = QString::fromStdString(platform::GetProfileString(kSection, kBrowsersKey));
    for (const QString& name : kept.split(QLatin1Char(kNameSeparator), Qt::SkipEmptyParts))
        names.push_back(name.toStdString());
    return names;
}

} // namespace workstation
