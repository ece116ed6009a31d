#pragma once
// A text file mapped read-only into memory with the offsets of its lines, so
// a viewer can show any line of a very large configuration without copying
// the file: the bytes stay in the page cache, the index costs four bytes a line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace workstation {

class CMappedTextFile {
public:
    enum class Status { Ok, CannotOpen, NotAFile, TooLarge, Binary };

    // Where a search found its text: the line and the byte offset in it.
    struct Match {
        bool found = false;
        bool wrapped = false;   // the search went past the end (or the start) to find it
        std::size_t line = 0;
        std::size_t column = 0;
    };

    CMappedTextFile() = default;
    ~CMappedTextFile();
    CMappedTextFile(const CMappedTextFile&) = delete;
    CMappedTextFile& operator=(const CMappedTextFile&) = delete;

    // Maps the file and indexes its lines; whatever was open before is closed.
    // A file with NUL bytes or mostly control characters in its first 64 KiB
    // is Binary and is not kept open.
    Status Open(const std::string& path);
    void Close();

    // The file's own words for a failed Open, naming the file.
    static std::string Describe(Status status, const std::string& path);

    const std::string& Path() const { return m_path; }
    // A renamed file keeps its mapping; only the name it is shown under changes.
    void SetPath(const std::string& path) { m_path = path; }
    std::size_t Size() const { return m_size; }
    std::size_t LineCount() const { return m_lineStarts.size(); }
    // The longest line in bytes, line end excluded.
    std::size_t LongestLine() const { return m_longest; }
    // Line index (0-based) without its LF or CR LF; empty past the end.
    std::string_view Line(std::size_t index) const;
    // The line holding a byte offset.
    std::size_t LineOf(std::size_t offset) const;

    // Looks for needle after (forward) or before (backward) the position
    // line/column, going round the file once. Case is ignored for ASCII
    // letters unless matchCase.
    Match Find(std::string_view needle, std::size_t line, std::size_t column, bool forward,
               bool matchCase) const;

    // False once the file was cut shorter on disk while mapped: reading the
    // lost part would end the program (SIGBUS), so nothing is read any more.
    // Files replaced by a rename stay intact: the mapping keeps the old one.
    bool IsIntact() const;

    // The binary test Open uses, on the head of a file.
    static bool LooksBinary(std::string_view head);

private:
    std::string_view Bytes() const { return {m_data, m_size}; }
    std::size_t FindIn(std::string_view needle, std::size_t from, std::size_t to, bool matchCase) const;
    std::size_t FindLastIn(std::string_view needle, std::size_t from, std::size_t to, bool matchCase) const;
    Match MatchAt(std::size_t offset, bool wrapped) const;

    std::string m_path;
    int m_fd = -1;
    const char* m_data = nullptr;
    std::size_t m_size = 0;
    std::vector<std::uint32_t> m_lineStarts;
    std::size_t m_longest = 0;
};

} // namespace workstation
