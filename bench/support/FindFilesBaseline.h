#pragma once
// The baseline of the fill benchmarks: the bare directory listing of a folder
// (platform::FindFiles), counting its entries.
#include "platform/core/DirEntry.h"
#include "platform/core/FindFiles.h"

#include <benchmark/benchmark.h>

#include <string>

inline void TimeFindFiles(benchmark::State& state, const std::string& pattern)
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
