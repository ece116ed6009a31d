#pragma once
// Template and control ids of "Compare Configuration and Routing".

inline constexpr int kIddCompareMulti = 3796;
inline constexpr int kIdcCompareMultiDevices = 195;
inline constexpr int kIdcCompareMultiAddDevice = 1039;
inline constexpr int kIdcCompareMultiRemove = 3431;
inline constexpr int kIdcCompareMultiFirstPicker = 339;
inline constexpr int kIdcCompareMultiFirstRetrieve = 310;
inline constexpr int kIdcCompareMultiSecondPicker = 340;
inline constexpr int kIdcCompareMultiSecondRetrieve = 6514;
inline constexpr int kIdcCompareMultiConfigFiles = 437;
inline constexpr int kIdcCompareMultiRouteTables = 270;
inline constexpr int kIdcCompareMultiCompare = 1;
inline constexpr int kIdcCompareMultiCancel = 2;
inline constexpr int kIdcCompareMultiHelp = 57670;

// What to compare, as bits of the choices handed back.
inline constexpr int kCompareMultiConfigFiles = 1;
inline constexpr int kCompareMultiRouteTables = 2;
