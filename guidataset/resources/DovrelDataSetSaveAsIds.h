#pragma once
// Template and control ids of the "Export DataFolder" dialog.

inline constexpr int kIddDataSetSaveAs = 597;
inline constexpr int kIdcDataSetSaveAsName = 323;       // DataFolder name, read-only
inline constexpr int kIdcDataSetSaveAsPrompt = 412;     // "Please input or select export folder:"
inline constexpr int kIdcDataSetSaveAsFolder = 386;
inline constexpr int kIdcDataSetSaveAsBrowse = 193;
inline constexpr int kIdcDataSetSaveAsOk = 362;
inline constexpr int kIdcDataSetSaveAsCancel = 2;
