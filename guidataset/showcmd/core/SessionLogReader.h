#pragma once
// Reads a captured session log line by line into a caller's fixed buffer, as
// a text-mode stream of the workstation's home platform would: CR LF reads as
// a line end, a line longer than the buffer is cut to the buffer and ends the
// reading, and a file that ends with a line end yields one more, empty line.
// Only a small block of the file is held in memory.
#include <cstddef>
#include <string>

class SessionLogReader {
public:
    struct Line {
        std::size_t length = 0;   // characters stored; the buffer is zero-terminated after them
        bool last = false;        // end of file or an over-long line: no further read
    };

    SessionLogReader() = default;
    ~SessionLogReader();
    SessionLogReader(const SessionLogReader&) = delete;
    SessionLogReader& operator=(const SessionLogReader&) = delete;

    // False when the path is not a readable regular file.
    bool Open(const std::string& path);
    // size includes the terminating zero: at most size - 1 characters are stored.
    Line ReadLine(char* buffer, std::size_t size);

private:
    int Get();
    int Peek();
    bool Refill();

    static constexpr std::size_t kBlockSize = 256 * 1024;
    int m_fd = -1;
    char* m_block = nullptr;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
};
