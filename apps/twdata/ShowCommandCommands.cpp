#include "apps/twdata/ShowCommandCommands.h"

#include "apps/twdata/DataFolderCommands.h"
#include "apps/twdata/ProjectSession.h"

#include "guidataset/showcmd/core/LogReadProblem.h"
#include "guidataset/showcmd/core/ShowCommandResultExport.h"
#include "guidataset/showcmd/core/ShowCommandResultFile.h"
#include "guidataset/showcmd/core/ShowCommandResultList.h"
#include "guidataset/showcmd/core/SplitShowCmds.h"
#include "host/adaptor/GuiDatasetCenter.h"
#include "host/util/CConf.h"
#include "host/util/CFileName.h"
#include "host/util/CGlobalSet.h"
#include "host/util/TWDataSet.h"
#include "platform/core/DirEntry.h"
#include "platform/core/Paths.h"
#include "platform/core/Prompter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <system_error>

namespace fs = std::filesystem;

namespace twdata {

namespace {

struct ResultName {
    std::string file;
    std::string device;
    std::string command;
    std::string time;
};

// Result files of the folder in listing order; names not made as results are skipped.
std::vector<ResultName> ListResults(const std::string& folder, const std::string& filter)
{
    std::vector<ResultName> results;
    EnumShowCommandResults(
        [&results](const platform::DirEntry& entry, int, std::intptr_t, void*) {
            ResultName result;
            result.file = entry.name;
            // A stray file in the folder is no result: its "time" could sort
            // after every real one and be served as the newest.
            if (CFileName::FromShowCommandResultFileName(entry.name, result.device, result.command, result.time) &&
                !result.device.empty() && CFileName::IsShowCommandTime(result.time))
                results.push_back(std::move(result));
        },
        nullptr, 0, folder, filter, false);
    return results;
}

// The terminal reads LF; the stored text has CR LF.
std::string WithLf(const std::string& text)
{
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        lines += text[i];
    }
    return lines;
}

// Which file lies at a path: a device's export file counts as written only when
// a new file took the old one's place, since a failed export leaves the old one.
struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileId&) const = default;
};

std::optional<FileId> RegularFileId(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileId{info.st_dev, info.st_ino};
}

// Empty when a new file can be made in folder, else why not.
std::string CannotWriteIn(const std::string& folder)
{
    std::string probe = folder + ".twdata-export-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return std::strerror(errno);
    ::close(fd);
    ::unlink(probe.c_str());
    return {};
}

void PrintBlock(std::ostream& out, const std::string& text)
{
    const std::string lines = WithLf(text);
    out << lines;
    if (!lines.empty() && lines.back() != '\n')
        out << '\n';
}

} // namespace

ShowCommandCommands::ShowCommandCommands(ProjectSession& session, std::ostream& out, std::ostream& err)
    : m_session(session), m_out(out), m_err(err)
{
}

std::string ShowCommandCommands::DataFolderPath(const std::string& dataFolder)
{
    TWDataSet& registry = *m_session.Registry();
    const std::string path = dataFolder.empty() ? registry.GetCurrentDataSet() : registry.GetDataSetPath(dataFolder);
    if (path.empty()) {
        if (dataFolder.empty())
            m_err << "The project has no current DataFolder.\n";
        else
            m_err << "No DataFolder '" << dataFolder << "' in this project.\n";
        return {};
    }
    return platform::EnsureTrailingSlash(path);
}

std::string ShowCommandCommands::ShowCommandFolder(const std::string& dataFolder)
{
    const std::string path = DataFolderPath(dataFolder);
    return path.empty() ? std::string() : m_session.Registry()->GetLiveShowCommandFolder(path);
}

int ShowCommandCommands::ImportLog(const std::string& dataFolder, const std::vector<std::string>& paths,
                                   bool makeCurrent)
{
    const std::string target = DataFolderPath(dataFolder);
    if (target.empty())
        return kExitFailed;
    TWDataSet& registry = *m_session.Registry();
    // Results go into the DataFolder named, but the parsers put the ARP, MAC,
    // CDP and interface tables into the current one: both must be the same.
    const std::string current = platform::EnsureTrailingSlash(registry.GetCurrentDataSet());
    const bool becomesCurrent = target != current;
    const std::string name = registry.GetDatasetName(target);
    if (becomesCurrent && !makeCurrent) {
        m_err << "'" << name << "' is not the current DataFolder: its results would go into '" << name
              << "' but their ARP, MAC, CDP and interface tables into the current one, '"
              << registry.GetDatasetName(current) << "'; add --make-current to make '" << name
              << "' current first.\n";
        return kExitFailed;
    }
    bool cancel = false;
    if (m_session.Service()->IsLocked2(target, cancel, true) && cancel) {
        m_err << "Nothing was imported into the read-only DataFolder '" << name << "'.\n";
        return kExitFailed;
    }
    if (becomesCurrent) {
        const int status = DataFolderCommands(m_session, m_out, m_err).SetCurrent(name);
        if (status != kExitDone)
            return status;
    }

    std::vector<std::string> files;
    bool missing = false;
    for (const std::string& path : paths) {
        std::error_code ec;
        if (fs::is_directory(path, ec)) {
            // Every entry but a folder goes to the splitter, which says what it cannot read.
            std::vector<std::string> inside;
            for (const auto& entry : fs::directory_iterator(path, ec))
                if (!entry.is_directory(ec))
                    inside.push_back(entry.path().generic_string());
            std::sort(inside.begin(), inside.end());
            files.insert(files.end(), inside.begin(), inside.end());
        } else if (fs::exists(path, ec)) {
            files.push_back(path);
        } else {
            m_err << "No file or folder '" << path << "' to import.\n";
            missing = true;
        }
    }

    SplitShowCmds splitter;
    splitter.setDataFolder(target);
    for (const std::string& file : files) {
        // A DataFolder that is gone takes no further log.
        if (splitter.getWriteFailures().IsStopped())
            break;
        splitter.splitFile(file);
    }

    bool askL2 = false;
    const std::string summary = splitter.getStatString(askL2);
    // The whole text, question included, is the import's report on standard
    // output; the prompter then takes the answer (or --yes gives it).
    m_out << summary << '\n';
    m_out.flush();
    for (const LogReadProblem& problem : splitter.getReadProblems())
        m_err << problem.Describe() << '\n';
    const std::string notWritten = splitter.getWriteFailures().Describe();
    if (!notWritten.empty())
        m_err << notWritten << '\n';
    bool failed = missing || !splitter.getReadProblems().empty() || !notWritten.empty();
    const std::string question = summary.substr(summary.rfind('\n') + 1);
    if (askL2 && platform::AppMessageBox(question, platform::BoxButtons::YesNo) == platform::BoxAnswer::Yes) {
        if (!CGlobalSet::Instance().GetConf().SetValue("L2Discover", "UseCacheDatainDiscover", "true")) {
            m_err << "The L2 setting cannot be written to '" << CGlobalSet::Instance().GetConf().GetConfFileName()
                  << "'.\n";
            failed = true;
        }
    }
    return failed ? kExitFailed : kExitDone;
}

int ShowCommandCommands::Results(const std::string& dataFolder, const std::string& device,
                                 const std::string& command)
{
    const std::string folder = ShowCommandFolder(dataFolder);
    if (folder.empty())
        return kExitFailed;
    std::string filter;
    if (!device.empty())
        filter = command.empty() ? CFileName::ToShowCommandFilter(device)
                                 : CFileName::ToShowCommandResultFilter(device, command);
    for (const ResultName& result : ListResults(folder, filter)) {
        if (!command.empty() && result.command != command)
            continue;
        m_out << result.device << '\t' << result.command << '\t' << result.time << '\n';
    }
    return kExitDone;
}

int ShowCommandCommands::ShowResult(const std::string& dataFolder, const std::string& device,
                                    const std::string& command, const std::string& time)
{
    const std::string folder = ShowCommandFolder(dataFolder);
    if (folder.empty())
        return kExitFailed;
    std::string file;
    std::string newest;
    for (const ResultName& result : ListResults(folder, CFileName::ToShowCommandResultFilter(device, command))) {
        if (result.device != device || result.command != command)
            continue;
        // Time texts sort chronologically as plain strings.
        const bool wanted = time.empty() ? (file.empty() || result.time > newest) : result.time == time;
        if (wanted) {
            file = result.file;
            newest = result.time;
        }
    }
    if (file.empty()) {
        m_err << "No result of '" << command << "' on '" << device << "'"
              << (time.empty() ? std::string() : " at " + time) << " in this DataFolder.\n";
        return kExitFailed;
    }
    std::string content;
    if (!ReadShowCommandResult(folder + file, content)) {
        m_err << "The result '" << folder + file << "' cannot be read.\n";
        return kExitFailed;
    }
    std::string text;
    std::string note;
    SplitShowCommandResult(content, text, note);
    PrintBlock(m_out, text);
    if (!note.empty()) {
        m_out << "NOTE:\n";
        PrintBlock(m_out, note);
    }
    return kExitDone;
}

int ShowCommandCommands::Export(const std::string& dataFolder, const std::string& targetFolder)
{
    if (targetFolder.empty()) {
        m_err << "twdata export: DIR names the folder to export into.\n";
        return kExitUsage;
    }
    const std::string source = ShowCommandFolder(dataFolder);
    if (source.empty())
        return kExitFailed;

    // The export walks every listed file and names its target by the device,
    // so the results per device tell which files it must write.
    std::map<std::string, int> resultsOfDevice;
    EnumShowCommandResults(
        [&resultsOfDevice](const platform::DirEntry& entry, int, std::intptr_t, void*) {
            std::string device, command, time;
            CFileName::FromShowCommandResultFileName(entry.name, device, command, time);
            if (!device.empty())   // the export passes over names without a device
                ++resultsOfDevice[device];
        },
        nullptr, 0, source, {}, false);
    if (resultsOfDevice.empty()) {
        m_err << "No show-command results to export in "
              << (dataFolder.empty() ? std::string("the current DataFolder") : "DataFolder '" + dataFolder + "'")
              << ".\n";
        return kExitFailed;
    }

    std::error_code ec;
    if (fs::exists(targetFolder, ec) && !fs::is_directory(targetFolder, ec)) {
        m_err << "'" << targetFolder << "' is a file, not a folder to export into.\n";
        return kExitFailed;
    }
    if (!fs::is_directory(targetFolder, ec)) {
        fs::create_directories(targetFolder, ec);
        if (!fs::is_directory(targetFolder)) {
            m_err << "The folder '" << targetFolder << "' cannot be created"
                  << (ec ? ": " + ec.message() : std::string()) << ".\n";
            return kExitFailed;
        }
    }
    const std::string target = platform::EnsureTrailingSlash(targetFolder);
    if (fs::equivalent(target, source, ec)) {
        m_err << "'" << targetFolder << "' holds the results themselves; choose another folder.\n";
        return kExitFailed;
    }
    if (const std::string why = CannotWriteIn(target); !why.empty()) {
        m_err << "The folder '" << targetFolder << "' is not writable: " << why << ".\n";
        return kExitFailed;
    }

    // The export encodes the device into its file name as result names do.
    std::map<std::string, std::optional<FileId>> before;
    for (const auto& [device, count] : resultsOfDevice) {
        const std::string file = target + CFileName::ToSysFileName(device) + ".txt";
        before[file] = RegularFileId(file);
    }
    ExportShowCommandResults(target, source, {});

    int exported = 0;
    bool failed = false;
    for (const auto& [device, count] : resultsOfDevice) {
        const std::string file = target + CFileName::ToSysFileName(device) + ".txt";
        const std::optional<FileId> now = RegularFileId(file);
        if (now && now != before[file]) {
            exported += count;
        } else {
            m_err << "'" << file << "' could not be written.\n";
            failed = true;
        }
    }
    m_out << exported << (exported == 1 ? " result" : " results") << " exported to " << target << '\n';
    return failed ? kExitFailed : kExitDone;
}

} // namespace twdata
