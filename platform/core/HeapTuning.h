#pragma once
// The import parses and writes tables of up to many megabytes each, one after
// another. By default the C library hands such blocks back to the system as
// soon as they are freed and maps fresh ones for the next table, and touching
// fresh pages costs more than parsing them. Programs that import call this
// once at start-up so that freed blocks stay in the heap for reuse.
namespace platform {

void KeepLargeBlocksForReuse();

} // namespace platform
