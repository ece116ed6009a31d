#pragma once
// The wording of file operation failures: paths in double quotes, the
// system's reason as a sentence.
#include <filesystem>
#include <string>
#include <system_error>

namespace platform {

std::string QuotedPath(const std::filesystem::path& path);
// The reason of ec, ending in a full stop.
std::string ErrorReason(const std::error_code& ec);
// The reason of an errno value, ending in a full stop.
std::string ErrorReason(int error);

} // namespace platform
