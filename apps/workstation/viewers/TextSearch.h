#pragma once
// Text search and order shared by the viewers' find, filter and sort.
#include <cstddef>
#include <string_view>

namespace workstation {

// Offset of the first needle in haystack, ignoring ASCII case; npos when
// none, 0 for an empty needle.
std::size_t FindIgnoringCase(std::string_view haystack, std::string_view needle);

// Natural order, ignoring ASCII case: digit runs compare by value, so
// 10.0.0.9 sorts before 10.0.0.10 and Gi1/0/2 before Gi1/0/10. Negative,
// zero or positive as a sorts before, with or after b; texts that differ
// only in case or leading zeros still get a fixed order.
int NaturalCompare(std::string_view a, std::string_view b);

} // namespace workstation
