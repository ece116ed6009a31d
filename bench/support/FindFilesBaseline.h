#pragma once
// The baseline of the listing benchmarks: the bare directory search of a
// pattern, counting what it delivers.
#include "platform/core/DirEntry.h"
#include "platform/core/FindFiles.h"

#include <benchmark/benchmark.h>

#include <string>

inline void RunFindFilesBaseline(benchmark::State& state, const std::string& pattern)
{
    std::size_t found = 0;
    for (auto _ : state) {
        found = 0;
        platform::FindFiles(pattern, [&found](const platform::DirEntry&) {
            ++found;
            return true;
        });
        benchmark::DoNotOptimize(found);
    }
    state.counters["entries"] = static_cast<double>(found);
}
