#include "guidataset/browser/core/DroppedFiles.h"

#include "guidataset/browser/core/PageTable.h"
#include "guidataset/dataset/core/DataKind.h"
#include "host/util/CFileName.h"
#include "host/util/CTWRTPath.h"
#include "platform/core/Paths.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

namespace {

constexpr std::size_t kDragSlot = 260;

std::string BaseName(const std::string& path)
{
    const std::string stripped = platform::StripTrailingSeparators(path);
    const std::size_t slash = stripped.find_last_of("/\\");
    return slash == std::string::npos ? stripped : stripped.substr(slash + 1);
}

bool EndsWithNoCase(const std::string& text, const std::string& suffix)
{
    if (suffix.size() > text.size())
        return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) ==
                                                  std::tolower(static_cast<unsigned char>(b)); });
}

bool IsTableKind(int pageId)
{
    return PageClassOf(pageId) == PageClass::XTable && pageId != kKindTextResult;
}

// Why a file of this name is not one of the kind's files; empty when it is.
std::string KindMismatch(const std::string& name, int pageId)
{
    if (pageId == kKindShowCommand) {
        std::string device, command, time;
        if (!EndsWithNoCase(name, ".txt") || !CFileName::FromShowCommandResultFileName(name, device, command, time))
            return "'" + name + "' is not a show-command result (<device>$<command>$<time>.txt).";
        return {};
    }
    const std::string extension = DataKindExtension(pageId);
    if (!extension.empty() && !EndsWithNoCase(name, extension))
        return "'" + name + "' is not a " + KindFileWord(pageId) + " (" + extension + ").";
    std::string host, table, qualifier;
    if (IsTableKind(pageId) && !CTWRTPath::ParseRtbFileName(name, host, table, qualifier))
        return "'" + name + "' is not named as a table (<host>, <host>$<qualifier> or <host>$<name>$<qualifier>, then " +
               extension + ").";
    return {};
}

bool SameFile(const struct stat& a, const std::string& path)
{
    struct stat b {};
    return ::stat(path.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

DropPlan PlanDroppedFiles(const std::vector<std::string>& paths, const std::string& targetFolder, int pageId)
{
    DropPlan plan;
    plan.targetFolder = platform::EnsureTrailingSlash(targetFolder);
    std::set<std::string> names;
    for (const std::string& path : paths) {
        const std::string name = BaseName(path);
        struct stat st {};
        if (path.empty() || ::stat(path.c_str(), &st) != 0) {
            plan.refusals.push_back("'" + path + "' no longer exists.");
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            plan.refusals.push_back("'" + path + "' is a folder: drop the files inside it.");
            continue;
        }
        if (!S_ISREG(st.st_mode)) {
            plan.refusals.push_back("'" + path + "' is not a file.");
            continue;
        }
        if (std::string why = KindMismatch(name, pageId); !why.empty()) {
            plan.refusals.push_back(std::move(why));
            continue;
        }
        const std::string target = plan.targetFolder + name;
        // A file dropped where it already is stays as it is.
        if (SameFile(st, target))
            continue;
        if (!names.insert(name).second) {
            plan.refusals.push_back("'" + path + "' has the name of another dropped file: only the first is copied.");
            continue;
        }
        struct stat existing {};
        if (::lstat(target.c_str(), &existing) == 0)
            plan.conflicts.push_back(path);
        else
            plan.copies.push_back(path);
    }
    return plan;
}

DropCopyResult CopyDroppedFiles(const DropPlan& plan, bool replaceConflicts,
                                const std::function<void(const std::string&)>& progress)
{
    DropCopyResult result;
    std::error_code ec;
    std::filesystem::create_directories(plan.targetFolder, ec);
    if (!std::filesystem::is_directory(plan.targetFolder, ec)) {
        result.failures.push_back("The folder '" + plan.targetFolder + "' cannot be created" +
                                  (ec ? ": " + ec.message() + "." : "."));
        return result;
    }
    const auto copy = [&](const std::string& source, bool replace) {
        const std::string name = BaseName(source);
        if (progress)
            progress(name);
        const CTWRTPath::Transfer done = CTWRTPath::CopyTableFile(source, plan.targetFolder + name, replace);
        if (done.Ok())
            ++result.copied;
        else if (done.status == CTWRTPath::Transfer::kExists)
            result.failures.push_back("'" + name + "' appeared in '" + plan.targetFolder +
                                      "' meanwhile and was left as it is.");
        else
            result.failures.push_back(done.error);
    };
    for (const std::string& source : plan.copies)
        copy(source, false);
    if (replaceConflicts)
        for (const std::string& source : plan.conflicts)
            copy(source, true);
    return result;
}

std::string DroppedKindFolderName(const std::string& firstPath)
{
    const std::string stripped = platform::StripTrailingSeparators(firstPath);
    const std::size_t slash = stripped.find_last_of("/\\");
    if (slash == std::string::npos || slash == 0)
        return {};
    return BaseName(stripped.substr(0, slash));
}

std::string BuildDragBlock(const std::vector<std::string>& paths)
{
    std::size_t slot = kDragSlot;
    for (const std::string& path : paths)
        slot = std::max(slot, path.size() + 1);
    std::string block(slot * paths.size() + 1, '\0');
    for (std::size_t i = 0; i < paths.size(); ++i)
        block.replace(i * slot, paths[i].size(), paths[i]);
    return block;
}

std::vector<std::string> ParseDragBlock(const std::string& block)
{
    std::vector<std::string> paths;
    std::size_t start = 0;
    while (start < block.size()) {
        const std::size_t zero = block.find('\0', start);
        const std::size_t end = zero == std::string::npos ? block.size() : zero;
        if (end > start)
            paths.push_back(block.substr(start, end - start));
        start = end + 1;
    }
    return paths;
}
