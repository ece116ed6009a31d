#pragma once
// The workstation's "Export DataFolder...": asks where with the Export
// DataFolder dialog and copies the DataFolder there as a folder of its own
// name. Failures are told to the user in a plain message.
#include <string>

class QWidget;

// True when the DataFolder was copied; false when cancelled or refused.
bool ExportDataFolder(const std::string& dataFolderPath, QWidget* parent);

// The workstation loads the module as a plug-in and resolves this by name.
extern "C" bool TwGuidatasetExportDataFolder(const char* dataFolderPath, QWidget* parent);
