#include "platform/qt/StartProcess.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace platform {

std::vector<std::string> SplitCommandLine(const std::string& commandLine)
{
    std::vector<std::string> parts;
    std::string current;
    bool inQuotes = false;
    bool pending = false; // a piece has started, even if it is still empty
    for (char c : commandLine) {
        if (c == '"') {
            inQuotes = !inQuotes;
            pending = true;
        } else if (!inQuotes && (c == ' ' || c == '\t')) {
            if (pending) {
                parts.push_back(std::move(current));
                current.clear();
                pending = false;
            }
        } else {
            current.push_back(c);
            pending = true;
        }
    }
    if (pending)
        parts.push_back(std::move(current));
    return parts;
}

namespace {

QString Lookup(const QString& name)
{
    QString found = QStandardPaths::findExecutable(name);
    if (found.isEmpty() && QCoreApplication::instance())
        found = QStandardPaths::findExecutable(name, {QCoreApplication::applicationDirPath()});
    return found;
}

} // namespace

std::string FindProgram(const std::string& program)
{
    if (program.empty())
        return {};
    const QString name = QString::fromStdString(program);
    if (program.find('/') != std::string::npos) {
        const QFileInfo info(name);
        return info.isFile() && info.isExecutable() ? program : std::string();
    }
    QString found = Lookup(name);
    if (found.isEmpty() && name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        found = Lookup(name.chopped(4));
    return found.toStdString();
}

namespace {
ProcessStarter* g_starter = nullptr;
}

ProcessStarter* InstallProcessStarter(ProcessStarter* starter)
{
    ProcessStarter* previous = g_starter;
    g_starter = starter;
    return previous;
}

bool StartProcess(const std::string& commandLine)
{
    if (g_starter)
        return g_starter->Start(commandLine);
    const std::vector<std::string> parts = SplitCommandLine(commandLine);
    if (parts.empty())
        return false;
    const std::string program = FindProgram(parts.front());
    if (program.empty())
        return false;
    QStringList arguments;
    for (size_t i = 1; i < parts.size(); ++i)
        arguments << QString::fromStdString(parts[i]);
    return QProcess::startDetached(QString::fromStdString(program), arguments);
}

} // namespace platform
