#include "guidataset/showcmd/core/LiveDataSaver.h"

#include "guidataset/showcmd/core/ResultFileWriter.h"
#include "host/liveaccess/CLiveCollector.h"
#include "host/util/CFileName.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/Paths.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
// The device's lines after the command line.
std::string Body(const std::string& text)
{
    const std::size_t first = text.find('\n');
    return first == std::string::npos ? std::string() : text.substr(first + 1);
}
} // namespace

CLiveDataSaver::CLiveDataSaver(std::string dataFolder)
    : m_dataFolder(std::move(dataFolder))
{
    m_splitter.setDataFolder(m_dataFolder);
}

std::string CLiveDataSaver::SessionLog(const DeviceOutcome& outcome)
{
    std::string log;
    for (const CommandOutcome& command : outcome.commands) {
        if (!command.ok)
            continue;
        // The device's own prompt may name it otherwise than the inventory does.
        log += outcome.device + "#" + command.command + "\n" + Body(command.text);
    }
    return log;
}

std::string CLiveDataSaver::Save(const DeviceOutcome& outcome)
{
    std::string problems = SaveConfiguration(outcome);
    const std::string log = SessionLog(outcome);
    if (!log.empty()) {
        const std::string split = SplitLog(log);
        if (!split.empty())
            problems += (problems.empty() ? "" : "\n") + split;
    }
    return problems;
}

std::string CLiveDataSaver::SaveConfiguration(const DeviceOutcome& outcome)
{
    for (const CommandOutcome& command : outcome.commands) {
        if (!command.ok || command.command != CCliPlatform::ConfigurationCommand(outcome.platform))
            continue;
        struct stat info {};
        if (::stat(m_dataFolder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
            return "The DataFolder '" + m_dataFolder + "' does not exist; nothing was saved.";
        const std::string folder = TWFileSystem::GetLiveConfigFolder(m_dataFolder);
        if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST)
            return "Cannot make " + folder + ": " + std::strerror(errno);
        const std::string path = folder + CFileName::ToSysFileName(outcome.device) + ".config";
        int error = 0;
        if (!platform::AtomicWriteFile(path, ResultFileWriter::WithCrLf(Body(command.text)), true, &error))
            return "Cannot write " + path + ": " + std::strerror(error);
    }
    return {};
}

std::string CLiveDataSaver::SplitLog(const std::string& log)
{
    // The log lives in memory only: the device's output may hold what should
    // not linger in a temporary folder.
    const int fd = ::memfd_create("tw-live-session", MFD_CLOEXEC);
    if (fd < 0)
        return std::string("Cannot hold the device's output for saving: ") + std::strerror(errno);
    std::size_t written = 0;
    while (written < log.size()) {
        const ssize_t n = ::write(fd, log.data() + written, log.size() - written);
        if (n <= 0) {
            const int error = errno;
            ::close(fd);
            return std::string("Cannot hold the device's output for saving: ") + std::strerror(error);
        }
        written += static_cast<std::size_t>(n);
    }
    const CImportWriteFailures before = m_splitter.getWriteFailures();
    m_splitter.splitFile("/proc/self/fd/" + std::to_string(fd));
    ::close(fd);
    const CImportWriteFailures& after = m_splitter.getWriteFailures();
    if (after.Count() == before.Count() && after.IsStopped() == before.IsStopped())
        return {};
    return after.Describe();
}
