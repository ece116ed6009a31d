#pragma once
// Counts and sizes as the viewers' status lines show them.
#include <cstddef>

class QString;

namespace workstation {

// 80000 -> "80,000": status lines read the same whatever the desktop's locale.
QString Thousands(std::size_t count);
// 48230 -> "47.1 KB", 104857600 -> "100.0 MB".
QString FileSizeText(std::size_t bytes);

} // namespace workstation
