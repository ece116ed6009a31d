#pragma once
// Template and control ids of the table compare dialog, which chooses one
// device's two tables of one kind from two DataFolders.

inline constexpr int kIddCompareDataset = 3732;
inline constexpr int kIdcCompareDatasetHostName = 1435;
inline constexpr int kIdcCompareDatasetSelect = 284;
inline constexpr int kIdcCompareDatasetFirstPicker = 339;
inline constexpr int kIdcCompareDatasetSecondPicker = 340;
inline constexpr int kIdcCompareDatasetFirstTable = 2629;
inline constexpr int kIdcCompareDatasetSecondTable = 2628;
inline constexpr int kIdcCompareDatasetOk = 1;
inline constexpr int kIdcCompareDatasetCancel = 2;
