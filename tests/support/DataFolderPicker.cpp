#include "support/DataFolderPicker.h"

#include "guidataset/dataset/CDatasetComboBox.h"
#include "platform/qt/ControlId.h"

#include <QDialog>

#include <gtest/gtest.h>

namespace twtest {

void ChooseDataFolder(QDialog& dialog, int pickerId, const std::string& name)
{
    auto* picker = platform::Control<CDatasetComboBox>(&dialog, pickerId);
    ASSERT_NE(picker, nullptr);
    const int index = picker->FindDataSet(name.c_str());
    ASSERT_GE(index, 0) << name;
    picker->setCurrentIndex(index);
    emit picker->activated(index);
}

} // namespace twtest
