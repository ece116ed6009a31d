#include "guidataset/showcmd/core/ResultFileWriter.h"

#include "guidataset/showcmd/core/ImportWriteFailures.h"
#include "host/util/CFileName.h"
#include "host/util/FileWriteBatch.h"
#include "platform/core/TempFiles.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

// Moving a result's time forward gives up after this many taken names (a
// minute and a half of results made in the same instant).
constexpr int kMaxLaterNames = 100000;

bool WriteAll(int fd, const std::string& bytes)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote > 0)
            done += static_cast<std::size_t>(wrote);
        else if (!(wrote < 0 && errno == EINTR))
            return false;
    }
    return true;
}

// Gives a whole result the name path or, while that is taken, a name of a
// later time; name(candidate) tries one name and returns 0, EEXIST or an
// errno. path ends as the name given; the errno of the last try is returned.
template <typename NameFile>
int ClaimName(std::string& path, NameFile name)
{
    int error = EEXIST;
    for (int later = 0; later <= kMaxLaterNames; ++later) {
        error = name(path);
        if (error != EEXIST)
            break;
        path = CFileName::LaterShowCommandResultFileName(path);
        if (path.empty())
            break;
    }
    return error;
}

// The whole text in a new temporary file beside path; errno when it fails.
int WriteTemporary(const std::string& path, const std::string& bytes, std::string& temp)
{
    int fd = platform::CreateTemporaryBeside(path, temp);
    if (fd < 0 && errno == ENOENT) {
        // The kind folder went missing: made again, one level only, so a
        // DataFolder deleted meanwhile is not made again.
        const std::size_t slash = path.rfind('/');
        if (slash != std::string::npos && slash > 0 && ::mkdir(path.substr(0, slash).c_str(), 0777) == 0)
            fd = platform::CreateTemporaryBeside(path, temp);
        else
            errno = ENOENT;
    }
    if (fd < 0)
        return errno;
    int error = WriteAll(fd, bytes) ? 0 : (errno ? errno : EIO);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0)
        ::unlink(temp.c_str());
    return error;
}

} // namespace

ResultFileWriter::ResultFileWriter(CImportWriteFailures* failures, std::size_t maxQueuedBytes,
                                   CInOrderWorker::Around around)
    : m_failures(failures)
    , m_maxQueuedBytes(maxQueuedBytes)
    , m_worker(maxQueuedBytes, std::move(around))
{
}

// m_worker, the last member, waits for the writing first.
ResultFileWriter::~ResultFileWriter() = default;

void ResultFileWriter::Add(std::string path, std::string text)
{
    const std::size_t bytes = text.size();
    m_worker.Add(
        [this, path = std::move(path), text = std::move(text)] {
            const Outcome outcome = Write(path, text);
            if (outcome.error != 0) {
                ++m_failed;
                if (m_failures)
                    m_failures->Add(path, outcome.error);
            }
        },
        bytes);
}

void ResultFileWriter::AddJob(CInOrderWorker::Job job, std::size_t bytes)
{
    m_worker.Add(std::move(job), bytes);
}

void ResultFileWriter::Finish()
{
    m_worker.Finish();
}

int ResultFileWriter::FailedCount() const
{
    return m_failed;
}

std::string ResultFileWriter::WithCrLf(const std::string& text)
{
    std::string bytes;
    FileWriteBatch::ToCrLf(text, bytes);
    return bytes;
}

ResultFileWriter::Outcome ResultFileWriter::WriteNow(const std::string& path, const std::string& text)
{
    return WriteBytesNow(path, WithCrLf(text));
}

ResultFileWriter::Outcome ResultFileWriter::Write(const std::string& path, const std::string& text)
{
    FileWriteBatch::ToCrLf(text, m_bytes);
    Outcome outcome;
    bool fresh = false;
    if (WriteUnnamed(path, outcome, fresh))
        return outcome;
    outcome = WriteBytesNow(path, m_bytes);
    // Refused in a folder just opened where a named temporary could be made:
    // this file system does not give unnamed files their names.
    if (outcome.error == 0 && fresh)
        m_unnamedFiles = false;
    return outcome;
}

bool ResultFileWriter::WriteUnnamed(const std::string& path, Outcome& outcome, bool& fresh)
{
    fresh = false;
    const std::size_t slash = path.rfind('/');
    if (!m_unnamedFiles || slash == std::string::npos)
        return false;
    if (!m_folder.IsOpen() || path.compare(0, slash, m_folder.Folder()) != 0 ||
        m_folder.Folder().size() != slash) {
        if (m_folder.Open(path.substr(0, slash)) != 0)
            return false;
        fresh = true;
    }
    const int fd = m_folder.Create();
    if (fd < 0) {
        m_folder.Close();
        return false;
    }
    int error = WriteAll(fd, m_bytes) ? 0 : EIO;
    std::string named = path;
    if (error == 0)
        error = ClaimName(named, [&](const std::string& candidate) {
            return m_folder.Name(fd, candidate.c_str() + candidate.rfind('/') + 1);
        });
    ::close(fd);
    if (error == 0 || error == EEXIST) {
        // Every name was taken: the other way would find the same.
        outcome.error = error;
        outcome.path = error == 0 ? std::move(named) : std::string();
        return true;
    }
    // The folder may have gone (or been made again): the other way reports it.
    m_folder.Close();
    return false;
}

ResultFileWriter::Outcome ResultFileWriter::WriteBytesNow(const std::string& path, const std::string& bytes)
{
    Outcome outcome;
    std::string temp;
    outcome.error = WriteTemporary(path, bytes, temp);
    if (outcome.error != 0)
        return outcome;
    // Only a whole result gets a result's name, and never one that is taken.
    outcome.path = path;
    outcome.error = ClaimName(outcome.path, [&](const std::string& candidate) {
        return platform::RenameNoReplace(temp, candidate);
    });
    if (outcome.error != 0) {
        ::unlink(temp.c_str());
        outcome.path.clear();
    }
    return outcome;
}
