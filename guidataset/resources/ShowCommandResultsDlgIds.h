#pragma once
// Template and control ids of the show-command results browser.

inline constexpr int kIddShowCommandResults = 3714;
inline constexpr int kIdcResultsDataFolderPicker = 3716;
inline constexpr int kIdcResultsDeviceList = 3717;
inline constexpr int kIdcResultsCommandList = 3718;
inline constexpr int kIdcResultsTimeList = 3719;
inline constexpr int kIdcResultsPrevious = 3720;
inline constexpr int kIdcResultsNext = 3721;
inline constexpr int kIdcResultsReExecute = 3722;
inline constexpr int kIdcResultsSave = 3723;
inline constexpr int kIdcResultsText = 3724;
inline constexpr int kIdcResultsNote = 3725;
inline constexpr int kIdcResultsCompare = 3726;
inline constexpr int kIdcResultsExport = 3727;
inline constexpr int kIdcResultsClose = 3728;
inline constexpr int kIdcResultsStatus = 3729;
