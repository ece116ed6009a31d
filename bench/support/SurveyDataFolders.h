#pragma once
// The large project of the panel benchmarks: count DataFolders "Survey N",
// each with a configuration folder, every other one locked.
#include "guidataset/dataset/core/DatasetLockFlag.h"

#include <filesystem>
#include <string>

inline void MakeSurveyDataFolders(const std::string& projectPath, int count)
{
    for (int i = 0; i < count; ++i) {
        const std::string folder = projectPath + "DataFolders/Survey " + std::to_string(i);
        std::filesystem::create_directories(folder + "/LiveConfig");
        if (i % 2 == 0)
            SetDatasetLockFlag(folder, 1);
    }
}
