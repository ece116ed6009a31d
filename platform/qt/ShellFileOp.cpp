#include "platform/qt/ShellFileOp.h"

#include <QApplication>
#include <QProgressDialog>
#include <QThread>

#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace platform {

namespace {

std::string Quoted(const fs::path& p) { return "\"" + p.string() + "\""; }

std::string Reason(const std::error_code& ec)
{
    std::string text = ec.message();
    if (!text.empty() && text.back() != '.')
        text.push_back('.');
    return text;
}

fs::path StripSlash(const std::string& s)
{
    std::string out = s;
    while (out.size() > 1 && out.back() == '/')
        out.pop_back();
    return fs::path(out);
}

bool GuiAvailable()
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    return app && QThread::currentThread() == app->thread();
}

// Number of entries a tree walk will visit, for the progress bar.
std::size_t CountEntries(const fs::path& root)
{
    std::error_code ec;
    std::size_t count = 0;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
        ++count;
    return count;
}

} // namespace

class ShellFileOp::Progress {
public:
    Progress(QWidget* parent, const std::string& title, std::size_t total)
        : m_dialog(QString::fromStdString(title), QString(), 0, static_cast<int>(total), parent)
    {
        m_dialog.setWindowTitle(QString::fromStdString(title));
        m_dialog.setCancelButton(nullptr);
        m_dialog.setWindowModality(Qt::WindowModal);
        // Short operations finish before the window would appear.
        m_dialog.setMinimumDuration(700);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
    }

    void Step(const std::string& current)
    {
        m_dialog.setLabelText(QString::fromStdString(current));
        m_dialog.setValue(std::min(m_dialog.value() + 1, m_dialog.maximum()));
    }

private:
    QProgressDialog m_dialog;
};

ShellFileOp::ShellFileOp(QWidget* parent, std::string progressTitle)
    : m_parent(parent), m_title(std::move(progressTitle))
{
}

ShellFileOp::~ShellFileOp() = default;

void ShellFileOp::StartProgress(std::size_t total)
{
    m_progress.reset();
    if ((m_parent || !m_title.empty()) && GuiAvailable())
        m_progress = std::make_unique<Progress>(m_parent, m_title, total);
}

void ShellFileOp::Step(const std::string& current)
{
    if (m_progress)
        m_progress->Step(current);
}

void ShellFileOp::StopProgress()
{
    m_progress.reset();
}

bool ShellFileOp::Fail(std::string error)
{
    StopProgress();
    m_error = std::move(error);
    return false;
}

bool ShellFileOp::Copy(const std::string& fromText, const std::string& toText)
{
    m_error.clear();
    const fs::path from = StripSlash(fromText);
    fs::path to = StripSlash(toText);
    std::error_code ec;
    const fs::file_status fromStatus = fs::status(from, ec);
    if (ec || !fs::exists(fromStatus))
        return Fail("Cannot copy " + Quoted(from) + ": it does not exist.");

    if (!fs::is_directory(fromStatus)) {
        if ((!toText.empty() && toText.back() == '/') || fs::is_directory(to, ec))
            to /= from.filename();
        if (!to.parent_path().empty())
            fs::create_directories(to.parent_path(), ec);
        if (ec)
            return Fail("Cannot create " + Quoted(to.parent_path()) + ": " + Reason(ec));
        StartProgress(1);
        Step(from.filename().string());
        if (!fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec) || ec)
            return Fail("Cannot copy " + Quoted(from) + " to " + Quoted(to) + ": " + Reason(ec));
        StopProgress();
        return true;
    }

    // Copying a folder into itself would never end.
    const fs::path fromCanon = fs::weakly_canonical(from, ec);
    const fs::path toCanon = fs::weakly_canonical(to, ec);
    if (!ec) {
        auto [f, t] = std::mismatch(fromCanon.begin(), fromCanon.end(), toCanon.begin(), toCanon.end());
        if (f == fromCanon.end())
            return Fail("Cannot copy " + Quoted(from) + " into itself.");
    }

    fs::create_directories(to, ec);
    if (ec || !fs::is_directory(to))
        return Fail("Cannot create " + Quoted(to) + ": " + Reason(ec ? ec : std::make_error_code(std::errc::not_a_directory)));

    StartProgress(CountEntries(from));
    fs::recursive_directory_iterator it(from, ec), end;
    if (ec)
        return Fail("Cannot read " + Quoted(from) + ": " + Reason(ec));
    for (; it != end; it.increment(ec)) {
        if (ec)
            return Fail("Cannot read " + Quoted(from) + ": " + Reason(ec));
        const fs::path source = it->path();
        const fs::path target = to / fs::relative(source, from, ec);
        Step(source.filename().string());
        const fs::file_status st = it->symlink_status(ec);
        if (fs::is_symlink(st)) {
            fs::remove(target, ec);
            fs::copy_symlink(source, target, ec);
        } else if (fs::is_directory(st)) {
            if (!fs::is_directory(target))
                fs::create_directory(target, ec);
        } else {
            fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
        }
        if (ec)
            return Fail("Cannot copy " + Quoted(source) + " to " + Quoted(target) + ": " + Reason(ec));
    }
    StopProgress();
    return true;
}

bool ShellFileOp::Delete(const std::string& pathText)
{
    m_error.clear();
    const fs::path path = StripSlash(pathText);
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(path, ec);
    if (ec || !fs::exists(st))
        return Fail("Cannot delete " + Quoted(path) + ": it does not exist.");
    if (!fs::is_directory(st)) {
        if (!fs::remove(path, ec) || ec)
            return Fail("Cannot delete " + Quoted(path) + ": " + Reason(ec));
        return true;
    }

    // Children first, deepest first, so a failure leaves a consistent rest.
    std::vector<fs::path> entries;
    for (fs::recursive_directory_iterator it(path, ec), end; it != end; it.increment(ec)) {
        if (ec)
            break;
        entries.push_back(it->path());
    }
    if (ec)
        return Fail("Cannot read " + Quoted(path) + ": " + Reason(ec));
    StartProgress(entries.size() + 1);
    for (auto e = entries.rbegin(); e != entries.rend(); ++e) {
        Step(e->filename().string());
        fs::remove(*e, ec);
        if (ec)
            return Fail("Cannot delete " + Quoted(*e) + ": " + Reason(ec));
    }
    Step(path.filename().string());
    fs::remove(path, ec);
    if (ec)
        return Fail("Cannot delete " + Quoted(path) + ": " + Reason(ec));
    StopProgress();
    return true;
}

bool ShellFileOp::Rename(const std::string& fromText, const std::string& toText)
{
    m_error.clear();
    const fs::path from = StripSlash(fromText);
    const fs::path to = StripSlash(toText);
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(from, ec)))
        return Fail("Cannot rename " + Quoted(from) + ": it does not exist.");
    // On a file system that ignores case, a change of case names the same file.
    if (fs::exists(fs::symlink_status(to, ec)) && !fs::equivalent(from, to, ec))
        return Fail("Cannot rename " + Quoted(from) + " to " + Quoted(to) + ": the name is already in use.");
    StartProgress(1);
    Step(from.filename().string());
    fs::rename(from, to, ec);
    if (ec)
        return Fail("Cannot rename " + Quoted(from) + " to " + Quoted(to) + ": " + Reason(ec));
    StopProgress();
    return true;
}

} // namespace platform
