#include "guidataset/showcmd/ShowCmdImport.h"

#include "guidataset/showcmd/core/ShowCmdImportJob.h"
#include "guidataset/showcmd/core/SplitShowCmds.h"
#include "host/guiutil/CThreadProgressDlg.h"
#include "host/guiutil/HostCommandEvent.h"
#include "host/util/CConf.h"
#include "host/util/CGlobalSet.h"
#include "platform/core/Prompter.h"

#include <QWidget>

CShowCmdImport::CShowCmdImport(QWidget* parent) : m_parent(parent) {}

void CShowCmdImport::Run(bool fromFolder, const std::string& dataFolder)
{
    CShowCmdImportJob job;
    if (!(fromFolder ? ChooseFolder(job) : ChooseFiles(job)))
        return;
    // A new splitter per import, so the summary counts exactly this import.
    SplitShowCmds splitter;
    splitter.setDataFolder(dataFolder);
    Import(job, splitter);
    ShowSummary(splitter);
    ShowReadProblems(splitter);
    ShowWriteFailures(splitter);
}

bool CShowCmdImport::ChooseFiles(CShowCmdImportJob& job) const
{
    platform::FileRequest request;
    request.mode = platform::FileRequest::Mode::OpenMany;
    request.filter = "Text File(*.txt);;All File(*.*)";
    request.defaultSuffix = "txt";
    request.parent = m_parent;
    std::vector<std::string> files = platform::Prompter::Instance().ChooseFiles(request);
    if (files.empty())
        return false;
    job = CShowCmdImportJob::FromFiles(std::move(files));
    return true;
}

bool CShowCmdImport::ChooseFolder(CShowCmdImportJob& job) const
{
    platform::FolderRequest request;
    request.title = "Select a Folder.";
    request.parent = m_parent;
    std::string folder = platform::Prompter::Instance().BrowseFolder(request);
    if (folder.empty())
        return false;
    job = CShowCmdImportJob::FromFolder(std::move(folder));
    return true;
}

void CShowCmdImport::Import(const CShowCmdImportJob& job, SplitShowCmds& splitter) const
{
    CThreadProgressDlg progress(m_parent, "Importing...", job.GetFileCount());
    progress.SetStepUnit(job.GetFileCount() == 1 ? "file" : "files");
    // The splitter and the job belong to the worker until the window has closed.
    // A DataFolder that is gone ends the import as a cancel would.
    progress.DoModal([&job, &splitter](CThreadProgressDlg& dialog) {
        job.Run([&splitter](const std::string& path) { return splitter.splitFile(path); },
                [&dialog, &splitter]() { return dialog.IsCancelled() || splitter.getWriteFailures().IsStopped(); },
                [&dialog]() { dialog.StepIt(); });
    });
}

void CShowCmdImport::ShowSummary(SplitShowCmds& splitter) const
{
    bool askL2 = false;
    const std::string text = splitter.getStatString(askL2);
    if (!askL2) {
        platform::AppMessageBox(text, platform::BoxButtons::Ok, platform::BoxIcon::None, m_parent);
        return;
    }
    if (platform::AppMessageBox(text, platform::BoxButtons::YesNo, platform::BoxIcon::Exclamation,
                                m_parent) != platform::BoxAnswer::Yes)
        return;
    CGlobalSet::Instance().GetConf().SetValue("L2Discover", "UseCacheDatainDiscover", "true");
    HostCommandEvent::Post(m_parent, kRecalculateL2Command);
}

void CShowCmdImport::ShowWriteFailures(const SplitShowCmds& splitter) const
{
    const std::string text = splitter.getWriteFailures().Describe();
    if (!text.empty())
        platform::MessageBoxTW(text, platform::BoxIcon::Exclamation, platform::BoxButtons::Ok, m_parent);
}

void CShowCmdImport::ShowReadProblems(const SplitShowCmds& splitter) const
{
    const std::string text = FormatLogReadProblems(splitter.getReadProblems());
    if (!text.empty())
        platform::AppMessageBox(text, platform::BoxButtons::Ok, platform::BoxIcon::Exclamation, m_parent);
}
