#include "apps/twdata/ShowCommandCommands.h"

#include "apps/twdata/DataFolderCommands.h"
#include "apps/twdata/ProjectSession.h"

#include "guidataset/showcmd/core/ShowCommandResultFile.h"
#include "guidataset/showcmd/core/ShowCommandResultList.h"
#include "guidataset/showcmd/core/SplitShowCmds.h"
#include "host/util/CConf.h"
#include "host/util/CFileName.h"
#include "host/util/CGlobalSet.h"
#include "host/util/TWDataSet.h"
#include "platform/core/DirEntry.h"
#include "platform/core/Paths.h"
#include "platform/core/Prompter.h"

#include <algorithm>
#include <filesystem>
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
            if (CFileName::FromShowCommandResultFileName(entry.name, result.device, result.command, result.time))
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

int ShowCommandCommands::ImportLog(const std::string& dataFolder, const std::vector<std::string>& paths)
{
    const std::string target = DataFolderPath(dataFolder);
    if (target.empty())
        return kExitFailed;

    std::vector<std::string> files;
    bool missing = false;
    for (const std::string& path : paths) {
        std::error_code ec;
        if (fs::is_directory(path, ec)) {
            std::vector<std::string> inside;
            for (const auto& entry : fs::directory_iterator(path, ec))
                if (entry.is_regular_file(ec))
                    inside.push_back(entry.path().generic_string());
            std::sort(inside.begin(), inside.end());
            files.insert(files.end(), inside.begin(), inside.end());
        } else if (fs::is_regular_file(path, ec)) {
            files.push_back(path);
        } else {
            m_err << "No file or folder '" << path << "' to import.\n";
            missing = true;
        }
    }

    SplitShowCmds splitter;
    splitter.setDataFolder(target);
    bool failed = missing;
    for (const std::string& file : files) {
        if (splitter.splitFile(file) < 0) {
            m_err << "'" << file << "' could not be imported completely.\n";
            failed = true;
        }
    }

    bool askL2 = false;
    std::string summary = splitter.getStatString(askL2);
    std::string question;
    if (askL2) {
        // The question is the summary's last line; the counts go to standard output.
        const std::size_t lineEnd = summary.rfind('\n');
        if (lineEnd != std::string::npos) {
            question = summary.substr(lineEnd + 1);
            summary.erase(lineEnd);
        }
    }
    m_out << summary << '\n';
    m_out.flush();
    if (!question.empty() &&
        platform::AppMessageBox(question, platform::BoxButtons::YesNo) == platform::BoxAnswer::Yes) {
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

} // namespace twdata
