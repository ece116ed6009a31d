#pragma once
// The DataFolder panel's icons, drawn here like the browser's (the
// workstation ships no image plug-ins). A linked outside DataFolder shows a
// link arrow over the same folder, so it is told apart from the project's own.
#include "guidataset/resources/DatafolderPanelIds.h"

#include <cstdint>

class QIcon;

class CPanelIcons {
public:
    // The icon of a table entry (PanelIcon); linked adds the link arrow.
    static QIcon Icon(int index, bool linked = false);
    // The panel's link icons.
    static QIcon NewIcon();
    static QIcon ExportIcon();
    static QIcon ImportIcon();
    static QIcon LinkIcon();
    static QIcon HelpIcon();

    // The icon table as the browser's row image holder: its third entry is the
    // image of every listed row.
    static const std::int32_t* RowImageHolder();
};
