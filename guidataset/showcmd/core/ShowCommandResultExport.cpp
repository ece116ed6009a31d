#include "guidataset/showcmd/core/ShowCommandResultExport.h"

#include "guidataset/showcmd/core/ShowCommandResultFile.h"
#include "guidataset/showcmd/core/ShowCommandResultList.h"
#include "host/util/CFileName.h"
#include "host/util/StlHelper.h"
#include "host/util/TWDataSet.h"
#include "platform/core/DirEntry.h"
#include "platform/core/Paths.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <map>

namespace {

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The export files of one run. Blocks go to a temporary file beside each
// target, renamed over the target once the listing is done, so an export that
// fails half-way never leaves a truncated file where a whole one was, and
// names that do not end in ".txt" never show up in the listing being walked.
class ExportFiles {
public:
    ~ExportFiles()
    {
        for (const auto& [target, temp] : m_temps)
            if (!temp.empty())
                ::unlink(temp.c_str());
    }

    // Appends to target's file; the first block of a run starts it afresh.
    void Append(const std::string& target, const std::string& block)
    {
        auto found = m_temps.find(target);
        if (found == m_temps.end())
            found = m_temps.emplace(target, CreateTemp(target)).first;
        std::string& temp = found->second;
        if (temp.empty())
            return;
        const int fd = ::open(temp.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
        if (fd < 0) {
            Discard(temp);
            return;
        }
        const bool written = WriteAll(fd, block);
        if (::close(fd) != 0 || !written)
            Discard(temp);
    }

    void Commit()
    {
        for (auto& [target, temp] : m_temps) {
            if (temp.empty())
                continue;
            if (::rename(temp.c_str(), target.c_str()) != 0)
                ::unlink(temp.c_str());
            temp.clear();
        }
    }

private:
    // A new file beside target; empty when the folder takes no new file.
    static std::string CreateTemp(const std::string& target)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string temp = target + ".~" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
            const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                ::close(fd);
                return temp;
            }
            if (errno != EEXIST)
                return {};
        }
        return {};
    }

    // A target whose file could not take a block is left as it was.
    static void Discard(std::string& temp)
    {
        ::unlink(temp.c_str());
        temp.clear();
    }

    std::map<std::string, std::string> m_temps; // target path -> temporary file
};

} // namespace

int ExportShowCommandResults(const std::string& targetFolder, const std::string& sourceFolder,
                             const std::string& filter)
{
    if (targetFolder.empty())
        return 0;
    const std::string target = platform::EnsureTrailingSlash(targetFolder);
    const std::string source = platform::EnsureTrailingSlash(sourceFolder);
    const std::string separator(kShowCommandNoteSeparator);

    ExportFiles files;
    int exported = 0;
    EnumShowCommandResults(
        [&](const platform::DirEntry& entry, int, std::intptr_t, void*) {
            std::string device, command, time;
            CFileName::FromShowCommandResultFileName(entry.name, device, command, time);
            if (device.empty())
                return;   // a name that begins with '$' names no device: it would export to a hidden ".txt"
            std::string content;
            TWDataSet::GetFileContent(source + entry.name, content);
            StlHelper::replaceString(content, separator, "NOTE here:");

            std::string block;
            block.reserve(content.size() + device.size() + command.size() + time.size() + 32);
            block += "#--- ";
            block += device;
            block += "  ";
            block += command;
            block += "  Execute at ";
            block += time;
            block += "\r\n";
            block += content;
            block += "\r\n\r\n";
            // The device names the file, so it is encoded like a result name:
            // a device such as "../x" cannot write outside the chosen folder.
            files.Append(target + CFileName::ToSysFileName(device) + ".txt", block);
            ++exported;
        },
        nullptr, 0, sourceFolder, filter, false);
    files.Commit();
    return exported;
}
