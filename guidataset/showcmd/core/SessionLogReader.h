#pragma once
// Reads a captured session log line by line into a caller's fixed buffer, as
// a text-mode stream of the workstation's home platform would: CR LF reads as
// a line end, a line longer than the buffer is cut to the buffer and ends the
// reading, and a file that ends with a line end yields one more, empty line.
// Only a small block of the file is held in memory.
//
// Terminal programs also save logs that the home platform's stream would
// misread, and these are read as the user saw them: a UTF-8 byte-order mark
// is skipped, UTF-16 text (with a byte-order mark, or plain ASCII text in it)
// is read as UTF-8, and a log whose lines end in CR alone is read line by line.
#include <cstddef>
#include <string>

class SessionLogReader {
public:
    struct Line {
        std::size_t length = 0;   // characters stored; the buffer is zero-terminated after them
        bool last = false;        // end of file, a read failure or an over-long line: no further read
        bool tooLong = false;     // longer than the buffer: the rest of the file is not read
        bool loneCr = false;      // holds a CR that ends no line (a terminal's overprint)
    };

    enum class OpenResult { Opened, CannotOpen, NotAFile };

    SessionLogReader() = default;
    ~SessionLogReader();
    SessionLogReader(const SessionLogReader&) = delete;
    SessionLogReader& operator=(const SessionLogReader&) = delete;

    OpenResult Open(const std::string& path);
    // size includes the terminating zero: at most size - 1 characters are stored.
    Line ReadLine(char* buffer, std::size_t size);

    // The errno of a failed Open, or of the read that ended the log early; 0 when none.
    int Error() const { return m_error; }
    // Whether any byte of the file came in before a read failed.
    bool ReadAnything() const { return m_readAnything; }

private:
    enum class Encoding { Bytes, Utf16Le, Utf16Be };

    int Get();
    int Peek();
    bool Refill();
    // Up to size bytes of the file; 0 at its end or on a read failure.
    std::size_t ReadRaw(char* to, std::size_t size);
    bool RefillUtf16();
    void DetectEncoding();

    static constexpr std::size_t kBlockSize = 256 * 1024;
    // UTF-16 is read in blocks that stay within kBlockSize as UTF-8 (at most
    // three bytes for every two).
    static constexpr std::size_t kUtf16BlockSize = kBlockSize / 2;

    int m_fd = -1;
    char* m_block = nullptr;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
    int m_error = 0;
    bool m_readAnything = false;
    bool m_firstBlock = true;
    bool m_crOnly = false;

    Encoding m_encoding = Encoding::Bytes;
    char* m_utf16 = nullptr;
    // Bytes of a UTF-16 unit or surrogate pair cut by the end of a block.
    std::size_t m_carried = 0;
};
