#include "platform/core/HeapTuning.h"

#include <malloc.h>

namespace platform {

void KeepLargeBlocksForReuse()
{
    // Blocks below 64 MB come from the heap, and up to 128 MB of free space
    // at its top is kept. Fixed values also stop the library's own adjusting.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
}

} // namespace platform
