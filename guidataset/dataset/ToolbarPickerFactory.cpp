// The workstation loads this module as a plug-in and never links its classes;
// it asks the module for the toolbar DataFolder picker through this export.
#include "guidataset/dataset/CXTPDataSetComboBox.h"

extern "C" QWidget* TwGuidatasetCreateToolbarPicker(QWidget* parent)
{
    return new CXTPDataSetComboBox(parent);
}
