#pragma once
// Template and control ids of the "Compare show command" dialog, which
// compares two executions of a show command on one device.

inline constexpr int kIddCompareShowCommand = 3715;
inline constexpr int kIdcCompareShowCommandDevice = 1139;
inline constexpr int kIdcCompareShowCommandFirstPicker = 1477;
inline constexpr int kIdcCompareShowCommandSecondPicker = 1478;
inline constexpr int kIdcCompareShowCommandFirstCommand = 2626;
inline constexpr int kIdcCompareShowCommandSecondCommand = 2627;
inline constexpr int kIdcCompareShowCommandFirstExecution = 2629;
inline constexpr int kIdcCompareShowCommandSecondExecution = 2628;
inline constexpr int kIdcCompareShowCommandCompare = 794;
inline constexpr int kIdcCompareShowCommandCancel = 2;
