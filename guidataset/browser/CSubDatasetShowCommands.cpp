#include "guidataset/browser/CSubDatasetShowCommands.h"

#include "guidataset/browser/BrowserCommands.h"
#include "guidataset/browser/core/BrowserRows.h"
#include "guidataset/browser/core/CPopupMenu.h"
#include "guidataset/browser/core/DatafolderSelection.h"
#include "guidataset/browser/core/IDatafolderList.h"
#include "guidataset/compare/CCompareShowCommandDlg.h"
#include "guidataset/dataset/core/DataKind.h"
#include "guidataset/showcmd/core/ShowCommandResultList.h"
#include "host/adaptor/GuiDatasetCenter.h"
#include "host/util/CFileName.h"
#include "platform/core/DirEntry.h"
#include "platform/core/Paths.h"
#include "platform/core/Prompter.h"
#include "platform/qt/RunModal.h"

#include <filesystem>
#include <vector>

namespace {

struct RowBuild {
    std::vector<ListRow> rows;
    int unnamed = 0;
};

// The three cells of a result file name; false when the name is no result name.
bool ResultCells(const std::string& fileName, std::vector<std::string>& cells)
{
    cells.assign(3, std::string());
    return CFileName::FromShowCommandResultFileName(fileName, cells[0], cells[1], cells[2]);
}

void AddResultRow(const platform::DirEntry& entry, int index, std::intptr_t rowImage, void* context)
{
    auto& build = *static_cast<RowBuild*>(context);
    ListRow row;
    if (!ResultCells(entry.name, row.cells))
        ++build.unnamed;
    row.image = static_cast<int>(rowImage);
    row.key = entry.name;
    // The running index is the row's place: the listing's order is kept.
    const std::size_t at = std::min<std::size_t>(static_cast<std::size_t>(index), build.rows.size());
    build.rows.insert(build.rows.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
}

} // namespace

void CSubDatasetShowCommands::PrepareColumns(int& layoutId, bool&)
{
    ReplaceColumns(layoutId, browserlayout::kShowCommands,
                   {{"Hostname", 180}, {"Show Command", 256}, {"Execution Time", 128}});
}

void CSubDatasetShowCommands::Populate(const std::string& kindFolder, int, int rowImage, const std::string& filter)
{
    IDatafolderList* list = GetList();
    if (!list)
        return;
    RowBuild build;
    const int count = EnumShowCommandResults(AddResultRow, &build, rowImage, kindFolder, filter, true);
    if (count <= 0)
        m_notes.folderProblem = KindFolderProblem(kindFolder);
    m_notes.unnamedFiles += build.unnamed;
    list->InsertRows(list->GetItemCount(), std::move(build.rows));
}

bool CSubDatasetShowCommands::BuildMenu(CPopupMenu& menu, CPopupMenu&, bool locked, int)
{
    const bool one = SelectedCount() == 1;
    menu.AppendCommand(browsercmd::kView, "View", one);
    menu.AppendCommand(browsercmd::kCompare, "Compare", one);
    menu.AppendCommand(browsercmd::kRefresh, "Refresh");
    menu.AppendSeparator();
    menu.AppendCommand(browsercmd::kSaveAs, "Save as", one);
    AppendMenuTail(menu, locked);
    return true;
}

void CSubDatasetShowCommands::ViewFile(const std::string& path, int)
{
    if (!GetList() || !GetSelection())
        return;
    if (GuiDatasetCenter* service = GuiDatasetCenter::Instance())
        service->ViewShowCommandResult(path, nullptr);
}

std::string CSubDatasetShowCommands::CompareDataFolderName() const
{
    const DatafolderSelection* selection = GetSelection();
    if (!selection)
        return {};
    return selection->displayName.find("::") != std::string::npos ? selection->dataFolderPath
                                                                  : selection->displayName;
}

void CSubDatasetShowCommands::CompareFile(const std::string&, int pageId)
{
    IDatafolderList* list = GetList();
    if (!list || !GetSelection() || pageId != kKindShowCommand)
        return;
    const int row = list->GetFirstSelected();
    if (row < 0)
        return;
    CCompareShowCommandDlg dialog(nullptr);
    dialog.SetDeviceName(list->GetItemText(row, 0));
    dialog.SetShowCommand(list->GetItemText(row, 1));
    dialog.SetDataFolderName(CompareDataFolderName());
    platform::RunModal(dialog);
}

void CSubDatasetShowCommands::SaveFileAs(const std::string& path, int)
{
    IDatafolderList* list = GetList();
    if (!list || !GetSelection())
        return;
    platform::FileRequest request;
    request.mode = platform::FileRequest::Mode::Save;
    request.filter = "Text File(*.txt);;All File(*.*)";
    request.defaultSuffix = "txt";
    const std::vector<std::string> chosen = platform::Prompter::Instance().ChooseFiles(request);
    if (chosen.empty() || chosen.front().empty())
        return;
    const std::string& target = chosen.front();
    std::error_code ec;
    if (std::filesystem::equivalent(path, target, ec))
        return;   // copying a file onto itself would empty it
    // A copy beside the target, renamed over it, so a failed copy leaves the
    // file the user chose to replace as it was.
    const std::string temporary = target + ".tw-saving";
    ec.clear();
    std::filesystem::copy_file(path, temporary, std::filesystem::copy_options::overwrite_existing, ec);
    if (!ec)
        std::filesystem::rename(temporary, target, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        platform::MessageBoxTW("The result could not be saved as '" + target + "'.", platform::BoxIcon::Exclamation);
    }
}

void CSubDatasetShowCommands::GetRowFileName(std::string& name, int row, bool)
{
    name.clear();
    IDatafolderList* list = GetList();
    if (!list || !GetSelection() || row < 0 || row >= list->GetItemCount())
        return;
    std::vector<std::string> cells{list->GetItemText(row, 0), list->GetItemText(row, 1), list->GetItemText(row, 2)};
    // The row knows the exact name of the file it was listed from, as long as
    // its cells still show that file.
    const std::string key = list->GetItemKey(row);
    std::vector<std::string> keyCells;
    if (!key.empty()) {
        ResultCells(key, keyCells);
        if (keyCells == cells) {
            name = key;
            return;
        }
    }
    // An empty time would name a result of "now", never the row's file.
    if (cells[2].empty())
        return;
    name = CFileName::ToShowCommandResultFileName(cells[0], cells[1], cells[2], "txt");
}
