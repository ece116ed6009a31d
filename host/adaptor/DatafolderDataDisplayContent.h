#pragma once
// What the DataFolder browser is asked to show: one DataFolder on one tab.
// Built by the DataFolder panel, handed to the service's DisplayView and
// copied by value wherever it is kept; the pointers are not owned.
#include <cstdint>
#include <string>
#include <utility>

class SubDatasetProvider;
struct DatafolderSelection;

struct DatafolderDataDisplayContent {
    DatafolderDataDisplayContent() = default;
    DatafolderDataDisplayContent(std::string name, std::string caption)
        : dataFolderName(std::move(name)), tabCaption(std::move(caption)) {}

    std::string dataFolderName;
    std::string tabCaption;       // one of the browser's six page titles
    std::string dataFolderPath;   // empty when built from a name and a caption
    std::int32_t reserved = 0;    // not read by the browser
    // Image table of the panel; its third entry is the image of every listed row.
    const std::int32_t* rowImageHolder = nullptr;
    SubDatasetProvider* provider = nullptr;   // null: the lists stay empty
    std::int32_t menuFlag = 0;                // non-zero: the list has a context menu
    DatafolderSelection* selection = nullptr;
};
