#pragma once
// A file-system path with the few operations the DataFolder code needs:
// does it exist, make a folder with its parents, remove a file or a tree.
#include <string>

class Pathname {
public:
    explicit Pathname(std::string path);

    const std::string& path() const { return m_path; }
    // The last component, one trailing '/' ignored ("a/b/" gives "b").
    std::string file() const;

    bool exists() const;
    // Creates every missing folder of the path with the given permission bits;
    // true when the path is a folder afterwards.
    bool mkdirHier(int mode) const;
    // Removes a file, an empty folder, or with recursive a whole tree; a
    // symbolic link is removed itself, never followed. False when nothing
    // was there or something could not be removed.
    bool removeFile(bool recursive) const;

private:
    std::string m_path;
};
