#pragma once
// Template and control ids of the "New DataFolder" dialog.

inline constexpr int kIddDataSetNew = 602;
inline constexpr int kIdcDataSetNewName = 323;     // name field, at most 32 characters
inline constexpr int kIdcDataSetNewOk = 373;
inline constexpr int kIdcDataSetNewCancel = 2;
