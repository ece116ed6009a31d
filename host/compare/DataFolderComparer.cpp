#include "host/compare/DataFolderComparer.h"

#include "host/compare/DataFolderContents.h"
#include "host/compare/FileChange.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "platform/core/Paths.h"

#include <map>
#include <set>

namespace {

std::string FolderName(const std::string& path)
{
    const std::string stripped = platform::StripTrailingSeparators(path);
    const std::size_t slash = stripped.find_last_of("/\\");
    return slash == std::string::npos ? stripped : stripped.substr(slash + 1);
}

} // namespace

CDataFolderComparer::CDataFolderComparer(std::string pathA, std::string nameA, std::string pathB,
                                         std::string nameB)
    : m_pathA(std::move(pathA)), m_nameA(std::move(nameA)), m_pathB(std::move(pathB)), m_nameB(std::move(nameB))
{
}

void CDataFolderComparer::UseProjectInventory()
{
    if (GlobalNetworkInfo* inventory = GetCurrentGNI())
        m_known = [inventory](const std::string& device) { return inventory->GetDevice(device, true) != nullptr; };
}

bool CDataFolderComparer::Compare(DataFolderReport& report, std::string& error) const
{
    report = {};
    report.pathA = platform::EnsureTrailingSlash(m_pathA);
    report.pathB = platform::EnsureTrailingSlash(m_pathB);
    report.nameA = m_nameA.empty() ? FolderName(m_pathA) : m_nameA;
    report.nameB = m_nameB.empty() ? FolderName(m_pathB) : m_nameB;
    CDataFolderContents first, second;
    if (!first.Scan(m_pathA, error) || !second.Scan(m_pathB, error))
        return false;

    const auto& filesA = first.Files();
    const auto& filesB = second.Files();
    // One spelling per device, the first met, so a device whose files differ
    // only in the case of its name is one device in the report.
    std::map<std::string, std::string> devices;   // lower case -> as spelt
    std::set<std::string> unknown;
    auto note = [&](const CDataFolderContents::Key& key, const CDataFolderContents::File& file) {
        auto [at, added] = devices.try_emplace(key.deviceKey, file.device);
        if (added && m_known && !m_known(file.device))
            unknown.insert(file.device);
        return at->second;
    };
    // Both maps are sorted by the same key: one merge walk pairs them.
    auto a = filesA.begin();
    auto b = filesB.begin();
    while (a != filesA.end() || b != filesB.end()) {
        ReportEntry entry;
        const bool takeA = b == filesB.end() || (a != filesA.end() && a->first < b->first);
        const bool takeB = a == filesA.end() || (b != filesB.end() && b->first < a->first);
        const auto& key = takeB ? b->first : a->first;
        const auto& file = takeB ? b->second : a->second;
        entry.device = note(key, file);
        entry.kind = key.kind;
        entry.item = key.item;
        if (takeA) {
            entry.change = ChangeKind::Removed;
            entry.pathA = a++->second.path;
        } else if (takeB) {
            entry.change = ChangeKind::Added;
            entry.pathB = b++->second.path;
        } else {
            entry.change = ChangeKind::Changed;
            entry.pathA = a++->second.path;
            entry.pathB = b++->second.path;
            ++report.filesCompared;
            if (!CFileChange::Differ(entry))
                continue;
        }
        report.entries.push_back(std::move(entry));
    }
    report.devices = devices.size();
    report.unknownDevices.assign(unknown.begin(), unknown.end());
    return true;
}
