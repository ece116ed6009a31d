#include "guidataset/browser/core/BrowserRows.h"

#include "host/util/CTWRTPath.h"
#include "platform/core/DirEntry.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

const std::string& CLocalTimeText::Format(platform::FileTime time)
{
    platform::FileTime second = time / 1000000000LL;
    if (time % 1000000000LL < 0)
        --second;
    if (!m_valid || second != m_second) {
        m_text = platform::FormatLocalTime(time, m_pattern);
        m_second = second;
        m_valid = true;
    }
    return m_text;
}

std::string FileStem(const std::string& fileName)
{
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

ListRow PlainFileRow(const platform::DirEntry& entry, int image, CLocalTimeText& time)
{
    ListRow row;
    row.cells.reserve(2);
    row.cells.push_back(FileStem(entry.name));
    row.cells.push_back(time.Format(entry.lastWriteTime));
    row.image = image;
    row.key = entry.name;
    return row;
}

void TableRowCells(const std::string& fileName, std::string& hostCell, std::string& nameCell)
{
    std::string host, name, qualifier;
    if (!CTWRTPath::ParseRtbFileName(fileName, host, name, qualifier)) {
        hostCell = FileStem(fileName);
        nameCell.clear();
        return;
    }
    hostCell = qualifier.empty() ? std::move(host) : host + ' ' + qualifier;
    nameCell = std::move(name);
}

bool TableFileRow(const platform::DirEntry& entry, int image, CLocalTimeText& time, ListRow& row)
{
    std::string host, name, qualifier;
    const bool parsed = CTWRTPath::ParseRtbFileName(entry.name, host, name, qualifier);
    row.cells.resize(3);
    if (parsed) {
        row.cells[0] = qualifier.empty() ? std::move(host) : host + ' ' + qualifier;
        row.cells[1] = std::move(name);
    } else {
        row.cells[0] = FileStem(entry.name);
        row.cells[1].clear();
    }
    row.cells[2] = time.Format(entry.lastWriteTime);
    row.image = image;
    row.key = entry.name;
    return parsed;
}

void SplitHostCell(const std::string& cell, std::string& host, std::string& qualifier)
{
    const std::size_t blank = cell.find(' ');
    if (blank != std::string::npos && blank != 0) {
        host = cell.substr(0, blank);
        qualifier = cell.substr(blank + 1);
    } else {
        host = cell;
        qualifier.clear();
    }
}

std::string KindFolderProblem(const std::string& folder)
{
    if (folder.empty())
        return {};
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0)
        return errno == ENOENT ? std::string() : "'" + folder + "' cannot be read: " + std::strerror(errno) + ".";
    if (!S_ISDIR(st.st_mode))
        return "'" + folder + "' is a file, not a folder.";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return "'" + folder + "' cannot be read: " + std::strerror(errno) + ".";
    ::closedir(dir);
    return {};
}

std::string BrowserStatusText(int rowCount, const std::string& caption)
{
    std::string text = rowCount > 1 ? "There are " : "There is ";
    text += std::to_string(rowCount) + ' ' + caption + (rowCount > 1 ? "s" : "") + "  ";
    if (text.size() > 64)
        text.resize(64);
    return text;
}
