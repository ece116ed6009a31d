#include "host/compare/DeviceComparer.h"

#include "host/compare/DataFolderContents.h"
#include "host/compare/FileChange.h"
#include "platform/core/Paths.h"

#include <sys/stat.h>

namespace {

// A DataFolder keeps its configurations in a kind folder; a project's own
// configuration folder holds them directly.
bool ScanSide(const std::string& path, CDataFolderContents& contents, std::string& error)
{
    struct stat st {};
    const std::string kindFolder =
        platform::JoinPath(path, CCompareKinds::Info(CompareKind::Configuration).folder);
    const bool dataFolder = ::stat(kindFolder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    const std::string routeFolder = platform::JoinPath(path, CCompareKinds::Info(CompareKind::RouteTable).folder);
    const bool hasRoutes = ::stat(routeFolder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    if (dataFolder || hasRoutes)
        return contents.Scan(path, error);
    return contents.ScanConfigurationFolder(path, error);
}

const std::string* Find(const CDataFolderContents& contents, const std::string& device, CompareKind kind)
{
    const auto at = contents.Files().find({CDataFolderContents::DeviceKey(device), kind, {}});
    return at == contents.Files().end() ? nullptr : &at->second.path;
}

DeviceVerdict Judge(const CDataFolderContents& a, const CDataFolderContents& b, const std::string& device,
                    CompareKind kind)
{
    DeviceVerdict verdict;
    verdict.entry.kind = kind;
    verdict.entry.device = device;
    const std::string* pathA = Find(a, device, kind);
    const std::string* pathB = Find(b, device, kind);
    if (pathA)
        verdict.entry.pathA = *pathA;
    if (pathB)
        verdict.entry.pathB = *pathB;
    if (!pathA && !pathB) {
        verdict.verdict = Verdict::InNeither;
    } else if (!pathB) {
        verdict.verdict = Verdict::OnlyInFirst;
        verdict.entry.change = ChangeKind::Removed;
    } else if (!pathA) {
        verdict.verdict = Verdict::OnlyInSecond;
        verdict.entry.change = ChangeKind::Added;
    } else if (!CFileChange::Differ(verdict.entry)) {
        verdict.verdict = Verdict::Same;
    } else {
        verdict.verdict =
            verdict.entry.change == ChangeKind::Unreadable ? Verdict::Unreadable : Verdict::Different;
    }
    return verdict;
}

} // namespace

CDeviceComparer::CDeviceComparer(std::string pathA, std::string pathB)
    : m_pathA(std::move(pathA)), m_pathB(std::move(pathB))
{
}

bool CDeviceComparer::Compare(const std::vector<std::string>& devices, bool configurations, bool routeTables,
                              std::vector<DeviceComparison>& result, std::string& error) const
{
    result.clear();
    CDataFolderContents a, b;
    if (!ScanSide(m_pathA, a, error) || !ScanSide(m_pathB, b, error))
        return false;
    for (const std::string& device : devices) {
        DeviceComparison row;
        row.device = device;
        if (configurations)
            row.configuration = Judge(a, b, device, CompareKind::Configuration);
        if (routeTables)
            row.routeTable = Judge(a, b, device, CompareKind::RouteTable);
        result.push_back(std::move(row));
    }
    return true;
}

const char* CDeviceComparer::Caption(Verdict verdict)
{
    switch (verdict) {
    case Verdict::NotCompared: return "";
    case Verdict::Same: return "Same";
    case Verdict::Different: return "Different";
    case Verdict::OnlyInFirst: return "Only in the first";
    case Verdict::OnlyInSecond: return "Only in the second";
    case Verdict::InNeither: return "In neither";
    case Verdict::Unreadable: return "Cannot be read";
    }
    return "";
}

std::string CDeviceComparer::Describe(const DeviceVerdict& verdict)
{
    if (verdict.verdict == Verdict::Different) {
        const std::string counts = DataFolderReport::CountsText(verdict.entry);
        return counts.empty() ? std::string("Different") : "Different: " + counts;
    }
    if (verdict.verdict == Verdict::Unreadable)
        return std::string("Cannot be read: ") + verdict.entry.reason;
    return Caption(verdict.verdict);
}
