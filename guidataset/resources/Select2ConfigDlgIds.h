#pragma once
// Template and control ids of "Compare Device Configurations".

inline constexpr int kIddSelect2Config = 1556;
inline constexpr int kIdcSelect2ConfigPicker = 387;
inline constexpr int kIdcSelect2ConfigFiles = 434;
inline constexpr int kIdcSelect2ConfigDevice = 1151;
inline constexpr int kIdcSelect2ConfigFirstText = 1140;
inline constexpr int kIdcSelect2ConfigSecondText = 1141;
inline constexpr int kIdcSelect2ConfigTakeFirst = 1137;
inline constexpr int kIdcSelect2ConfigTakeSecond = 1138;
inline constexpr int kIdcSelect2ConfigOk = 1;
inline constexpr int kIdcSelect2ConfigCancel = 2;
