#pragma once
// The viewer's colours, shared by the panes, the location bar and the legend:
// amber for changed lines, red for removed, green for added (as WinMerge and
// git users read them), hatched grey where one side has no line.
#include <QColor>

namespace tarnwickdiff::colours {

inline QColor ChangedLine() { return QColor(0xFF, 0xF3, 0xC4); }
inline QColor ChangedWords() { return QColor(0xF7, 0xC8, 0x4A); }
inline QColor RemovedLine() { return QColor(0xFF, 0xE1, 0xE1); }
inline QColor AddedLine() { return QColor(0xDC, 0xF5, 0xDC); }
inline QColor Filler() { return QColor(0xF3, 0xF3, 0xF3); }
inline QColor FillerHatch() { return QColor(0xDD, 0xDD, 0xDD); }
inline QColor ChangedMark() { return QColor(0xE0, 0xA8, 0x00); }
inline QColor RemovedMark() { return QColor(0xD9, 0x4A, 0x4A); }
inline QColor AddedMark() { return QColor(0x3C, 0xA8, 0x4C); }
inline QColor Gutter() { return QColor(0xF6, 0xF7, 0xF9); }
inline QColor GutterText() { return QColor(0x8A, 0x8F, 0x98); }
inline QColor Separator() { return QColor(0xD8, 0xDB, 0xE0); }
inline QColor Current() { return QColor(0x2F, 0x6F, 0xD0); }

} // namespace tarnwickdiff::colours
