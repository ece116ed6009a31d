#pragma once
// The session logs of one import, chosen as files or as a whole folder, and
// the walk over them that the import's worker runs: a cancel check before
// each file, one split per file, one progress step after it.
#include <functional>
#include <string>
#include <vector>

class CShowCmdImportJob {
public:
    using SplitFn = std::function<int(const std::string& path)>;
    using CancelledFn = std::function<bool()>;
    using StepFn = std::function<void()>;

    // The files in the order they were chosen.
    static CShowCmdImportJob FromFiles(std::vector<std::string> files);
    // Every file directly in folder, whatever its extension; sub-folders are not entered.
    static CShowCmdImportJob FromFolder(std::string folder);

    bool IsFolder() const { return m_fromFolder; }
    const std::string& GetFolder() const { return m_folder; }
    const std::vector<std::string>& GetFiles() const { return m_files; }

    // The number of progress steps: the files chosen, or the folder's files
    // (sub-folders not counted) as the folder holds them now.
    int GetFileCount() const;

    // Splits each file in turn until the end or until cancelled() answers
    // true before a file. A split's result is not looked at: a log that
    // yields nothing or fails is passed over. Returns the files handed to split.
    int Run(const SplitFn& split, const CancelledFn& cancelled, const StepFn& step) const;

private:
    bool m_fromFolder = false;
    std::string m_folder;
    std::vector<std::string> m_files;
};
