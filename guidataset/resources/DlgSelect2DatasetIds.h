#pragma once
// Template and control ids of "Please Select Two DataFolders".

inline constexpr int kIddSelect2Dataset = 1563;
inline constexpr int kIdcSelect2DatasetFirstPicker = 339;
inline constexpr int kIdcSelect2DatasetFirstLive = 236;
inline constexpr int kIdcSelect2DatasetFirstSimulated = 235;
inline constexpr int kIdcSelect2DatasetSecondPicker = 340;
inline constexpr int kIdcSelect2DatasetSecondLive = 237;
inline constexpr int kIdcSelect2DatasetSecondSimulated = 238;
inline constexpr int kIdcSelect2DatasetOk = 1;
inline constexpr int kIdcSelect2DatasetCancel = 2;
