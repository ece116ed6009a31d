#pragma once
// Text search shared by the viewers' find and filter.
#include <cstddef>
#include <string_view>

namespace workstation {

// Offset of the first needle in haystack, ignoring ASCII case; npos when
// none, 0 for an empty needle.
std::size_t FindIgnoringCase(std::string_view haystack, std::string_view needle);

} // namespace workstation
