#pragma once
// Template and control ids of the "DataFolder Description" dialog.

inline constexpr int kIddDataSetDesc = 603;
inline constexpr int kIdcDataSetDescName = 323;
inline constexpr int kIdcDataSetDescPath = 386;
inline constexpr int kIdcDataSetDescCreateTime = 148;
inline constexpr int kIdcDataSetDescCreator = 324;
inline constexpr int kIdcDataSetDescApplication = 387;   // hidden
inline constexpr int kIdcDataSetDescTask = 388;          // hidden
inline constexpr int kIdcDataSetDescText = 152;          // the description, at most 512 characters
inline constexpr int kIdcDataSetDescSave = 315;
inline constexpr int kIdcDataSetDescClose = 2;
