#pragma once
// Template and control ids of the "Select DataFolder" dialog that picks the
// DataFolder for the virtual route table calculation.

inline constexpr int kIddSelectADataset = 3797;
inline constexpr int kIdcSelectADatasetPicker = 387;
inline constexpr int kIdcSelectADatasetRetrieve = 268;
inline constexpr int kIdcSelectADatasetOk = 362;
inline constexpr int kIdcSelectADatasetCancel = 2;
