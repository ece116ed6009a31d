#pragma once
// The kinds of table the table compare dialog works on: its caption and the
// device chooser's filter for each, and the kind an opened table file names.
#include <string>

struct CompareTableKind {
    const char* caption = nullptr;   // null: the dialog keeps its own caption
    int deviceFilter = 8;            // devices the chooser offers
};

// 1 route, 4 ARP, 8 MAC, 16 show-command result, 17 CDP (CTWRTPath codes);
// any other code has no caption and filter 8.
CompareTableKind CompareTableKindOf(int kind);

// The kind a table file's extension (".ort", ".oat", ".omt", ".txt", ".cdp",
// compared exactly) stands for; kind itself for any other extension.
int CompareKindFromExtension(const std::string& extension, int kind);
