#pragma once
// Where a DataFolder's folder may lie, so that linking one and deleting one (a
// recursive removal) never reach beyond it: not the root or the home folder,
// not a folder holding either, not the project or anything in it other than
// the project's own DataFolders, not a folder that holds another DataFolder or
// lies inside one.
#include <string>
#include <vector>

class TWFileSystem;

class CDataFolderGuard {
public:
    explicit CDataFolderGuard(const TWFileSystem& fileSystem);

    // Empty when folder may be linked as an outside DataFolder; otherwise the
    // reason, one line for the user.
    std::string LinkRefusal(const std::string& folder) const;
    // Empty when path names a DataFolder of the project (one of its own or a
    // linked one) whose removal takes nothing else of the project, or when
    // nothing is there; otherwise the reason. A symbolic link is judged as the
    // link itself: removing it is all a deletion does to it.
    std::string RemovalRefusal(const std::string& path) const;

    // Empty when path is a folder (or a symbolic link to one); otherwise one
    // sentence saying what is there instead: nothing, a file, a named pipe...
    static std::string FolderProblem(const std::string& path);

    // Absolute, with '.', '..', repeated separators and symbolic links resolved
    // as far as the path exists; no trailing separator ("/" stays).
    static std::string ComparablePath(const std::string& path);
    // The same for the folder above; the last component is kept as written, so
    // a symbolic link stays the link.
    static std::string ComparableEntryPath(const std::string& path);

private:
    struct DataFolderPlace {
        std::string comparable;   // the folder it really is
        std::string shown;        // how the user knows it
    };
    std::vector<DataFolderPlace> DataFolderPlaces() const;
    // Why the folder at comparable cannot be a DataFolder's whole; empty when
    // it can. insideProjectAllowed: it is one of the project's own DataFolders.
    std::string Conflict(const std::string& comparable, bool insideProjectAllowed) const;

    const TWFileSystem& m_fileSystem;
};
