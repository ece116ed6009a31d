#include "guidataset/showcmd/core/ShowCmdImportJob.h"

#include "platform/core/FindFiles.h"
#include "platform/core/Paths.h"

namespace {

bool IsDotEntry(const std::string& name)
{
    return name == "." || name == "..";
}

} // namespace

CShowCmdImportJob CShowCmdImportJob::FromFiles(std::vector<std::string> files)
{
    CShowCmdImportJob job;
    job.m_files = std::move(files);
    return job;
}

CShowCmdImportJob CShowCmdImportJob::FromFolder(std::string folder)
{
    CShowCmdImportJob job;
    job.m_fromFolder = true;
    job.m_folder = std::move(folder);
    return job;
}

int CShowCmdImportJob::GetFileCount() const
{
    if (!m_fromFolder)
        return static_cast<int>(m_files.size());
    if (m_folder.empty())
        return 0;
    int count = 0;
    platform::FindFiles(platform::JoinPath(m_folder, "*"), [&count](const platform::DirEntry& entry) {
        if (!IsDotEntry(entry.name) && !entry.IsDirectory())
            ++count;
        return true;
    });
    return count;
}

int CShowCmdImportJob::Run(const SplitFn& split, const CancelledFn& cancelled,
                           const StepFn& step) const
{
    int done = 0;
    auto one = [&](const std::string& path) {
        if (cancelled && cancelled())
            return false;
        if (split)
            split(path);
        ++done;
        if (step)
            step();
        return true;
    };
    if (!m_fromFolder) {
        for (const std::string& path : m_files)
            if (!one(path))
                break;
        return done;
    }
    if (m_folder.empty())
        return 0;
    // The folder is walked as the file system delivers it, not as it was counted.
    platform::FindFiles(platform::JoinPath(m_folder, "*"), [&](const platform::DirEntry& entry) {
        if (cancelled && cancelled())
            return false;
        if (IsDotEntry(entry.name) || entry.IsDirectory())
            return true;
        return one(platform::JoinPath(m_folder, entry.name));
    });
    return done;
}
