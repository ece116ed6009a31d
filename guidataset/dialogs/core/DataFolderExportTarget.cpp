#include "guidataset/dialogs/core/DataFolderExportTarget.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path WithoutTrailingSeparator(std::string path)
{
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
    return fs::path(path);
}

std::string Quoted(const fs::path& path) { return "\"" + path.string() + "\""; }

std::string Reason(const std::error_code& ec)
{
    std::string text = ec.message();
    if (!text.empty() && text.back() != '.')
        text += '.';
    return text;
}

bool IsSameOrInside(const fs::path& inner, const fs::path& outer)
{
    auto [o, i] = std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
    return o == outer.end();
}

} // namespace

std::string PrepareDataFolderExportTarget(const std::string& dataFolderPath,
                                          const std::string& target)
{
    const fs::path source = WithoutTrailingSeparator(dataFolderPath);
    const fs::path to = WithoutTrailingSeparator(target);
    std::error_code ec;
    if (source.empty() || !fs::is_directory(source, ec))
        return "The DataFolder " + Quoted(source) + " does not exist.";
    if (to.empty())
        return "No export folder was given.";

    const fs::path sourceCanon = fs::weakly_canonical(source, ec);
    const fs::path toCanon = ec ? fs::path() : fs::weakly_canonical(to, ec);
    if (!ec && IsSameOrInside(toCanon, sourceCanon))
        return "The DataFolder cannot be exported into itself.";

    ec.clear();
    fs::create_directories(to, ec);
    if (ec)
        return "The export folder " + Quoted(to) + " cannot be created: " + Reason(ec);
    if (!fs::is_directory(to, ec))
        return "The export folder " + Quoted(to) + " cannot be created: a file of that name exists.";
    return {};
}
