#pragma once
// Whole new files made in one folder held open: each is written as a file
// without a name (O_TMPFILE) and gets its name only when complete, and only
// if that name is free. Nothing half written is ever visible, and a killed
// writer leaves nothing behind. Names are looked up from the open folder, so
// a long path is not walked again for every file. Where the file system or
// the system refuses unnamed files, Create fails and the caller goes the
// temporary-then-rename way of TempFiles.h.
#include <string>

namespace platform {

class CTempFilesInFolder {
public:
    CTempFilesInFolder() = default;
    ~CTempFilesInFolder();
    CTempFilesInFolder(const CTempFilesInFolder&) = delete;
    CTempFilesInFolder& operator=(const CTempFilesInFolder&) = delete;

    // Holds folder open (the one held before is let go); errno when it cannot be.
    int Open(const std::string& folder);
    void Close();
    bool IsOpen() const { return m_dirFd >= 0; }
    // The folder held open, as given to Open.
    const std::string& Folder() const { return m_folder; }

    // A new file without a name in the folder, open for writing; -1 with
    // errno set when the folder or its file system does not allow one.
    int Create() const;
    // Gives the unnamed file fd the name (no folder part). 0 when done,
    // EEXIST when the name is taken, else the errno of the failure. The
    // file stays unnamed unless 0 is returned; fd stays open either way.
    int Name(int fd, const char* name);

private:
    int m_dirFd = -1;
    bool m_linkDescriptor = true;
    std::string m_folder;
};

} // namespace platform
