#pragma once
// Template and control ids of the "Import DataFolder" dialog.

inline constexpr int kIddImportDataset = 1562;
inline constexpr int kIdcImportDatasetFolder = 1001;
inline constexpr int kIdcImportDatasetBrowse = 1002;
inline constexpr int kIdcImportDatasetPicker = 1003;
inline constexpr int kIdcImportDatasetOk = 1;
inline constexpr int kIdcImportDatasetCancel = 2;
