#pragma once
// The session-log import: the user picks captured CLI session logs (files or
// a whole folder), the splitter cuts them into show-command results under a
// progress window, and the summary offers to recalculate the L2 topology from
// the imported tables.
#include <string>

class CShowCmdImportJob;
class QWidget;
class SplitShowCmds;

class CShowCmdImport {
public:
    // Host command that recalculates the L2 topology from cached data.
    static constexpr int kRecalculateL2Command = 33397;

    explicit CShowCmdImport(QWidget* parent);

    // The whole import into dataFolder (a full DataFolder path). Does nothing
    // when the user chooses no file or no folder.
    void Run(bool fromFolder, const std::string& dataFolder);

    // Asks for logs; false when the user cancelled.
    bool ChooseFiles(CShowCmdImportJob& job) const;
    bool ChooseFolder(CShowCmdImportJob& job) const;

    // Splits every log of job with splitter while the progress window
    // "Importing..." is shown; returns when the window has closed.
    void Import(const CShowCmdImportJob& job, SplitShowCmds& splitter) const;

    // The summary of what splitter imported; with L2 tables among it the user
    // may switch on the cached data for discovery and have the topology recalculated.
    void ShowSummary(SplitShowCmds& splitter) const;
    // After the summary: the logs that splitter could not read to their end,
    // and why. Nothing when every log was read.
    void ShowReadProblems(const SplitShowCmds& splitter) const;

    // After the summary: what could not be written and why, when anything.
    void ShowWriteFailures(const SplitShowCmds& splitter) const;

private:
    QWidget* m_parent;
};
