#include "guidataset/compare/ComparePickers.h"

#include "guidataset/compare/core/IncomingDataFolder.h"
#include "guidataset/dataset/CDatasetComboBox.h"
#include "host/baseline/CBaseline.h"

void FillComparePickers(CDatasetComboBox& first, CDatasetComboBox& second, const std::string& firstIn,
                        const std::string& secondIn, bool withNew, bool addWorkspace)
{
    TWFileSystem* fileSystem = CBaseline::Instance() ? CBaseline::Instance()->GetFileSystem() : nullptr;
    const IncomingDataFolder sides[] = {ResolveIncomingDataFolder(firstIn, fileSystem),
                                        ResolveIncomingDataFolder(secondIn, fileSystem)};
    CDatasetComboBox* pickers[] = {&first, &second};
    for (int i = 0; i < 2; ++i)
        pickers[i]->InitDataset(sides[i].name.c_str(), nullptr, true, withNew);
    if (!addWorkspace)
        return;
    for (int i = 0; i < 2; ++i)
        pickers[i]->InsertWorkspaceDataset();
    for (int i = 0; i < 2; ++i)
        if (sides[i].workspace)
            pickers[i]->SetCurSel(0);
}
