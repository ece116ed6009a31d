#include "guidataset/compare/core/CompareOpeningFile.h"

#include "guidataset/compare/core/CompareTableKind.h"
#include "host/util/CTWRTPath.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"

#include <sys/stat.h>

namespace {

bool IsFile(const std::string& path)
{
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string::size_type LastSeparator(const std::string& text)
{
    return text.find_last_of("/\\");
}

} // namespace

CompareOpeningFile ReadCompareOpeningFile(const std::string& path, int kind, TWFileSystem* fileSystem)
{
    CompareOpeningFile opening;
    opening.kind = kind;
    if (!IsFile(path))
        return opening;
    opening.applied = true;
    const auto slash = LastSeparator(path);
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
    const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto dot = fileName.rfind('.');
    const std::string extension = dot == std::string::npos ? std::string() : fileName.substr(dot);
    // The file lies in a kind folder; its parent is the DataFolder.
    const auto parentEnd = LastSeparator(folder);
    const std::string dataFolder = parentEnd == std::string::npos ? folder : folder.substr(0, parentEnd);
    opening.kind = CompareKindFromExtension(extension, kind);
    TWDataSet* registry = fileSystem ? fileSystem->GetDataSet() : nullptr;
    opening.dataFolderName = registry ? registry->GetDatasetName(dataFolder) : dataFolder;
    std::string label;
    std::string qualifier;
    if (CTWRTPath::ParseRtbFileName(fileName, opening.host, label, qualifier)) {
        opening.parsed = true;
        opening.preselect = qualifier.empty() ? label : label + " " + qualifier;
    }
    return opening;
}
