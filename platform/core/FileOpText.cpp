#include "platform/core/FileOpText.h"

namespace platform {

std::string QuotedPath(const std::filesystem::path& path)
{
    return "\"" + path.string() + "\"";
}

std::string ErrorReason(const std::error_code& ec)
{
    std::string text = ec.message();
    if (!text.empty() && text.back() != '.')
        text.push_back('.');
    return text;
}

std::string ErrorReason(int error)
{
    return ErrorReason(std::error_code(error, std::generic_category()));
}

} // namespace platform
