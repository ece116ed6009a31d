#pragma once
// Template and control ids of "Please select show commands".

inline constexpr int kIddSelectShowCommand = 3860;
inline constexpr int kIdcSelectShowCommandList = 230;
inline constexpr int kIdcSelectShowCommandOk = 1;
inline constexpr int kIdcSelectShowCommandCancel = 2;
