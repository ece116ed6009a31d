#pragma once
// Template, control and icon ids of the "Select DataFolder" list dialog.

inline constexpr int kIddSelectDataset = 591;
inline constexpr int kIdcSelectDatasetList = 594;
inline constexpr int kIdcSelectDatasetOk = 362;
inline constexpr int kIdcSelectDatasetCancel = 2;
inline constexpr int kIdiSelectDatasetRow = 593;        // the unlocked DataFolder icon

// "way chosen" once a DataFolder was picked from the list.
inline constexpr int kSelectDatasetWayList = 3;
