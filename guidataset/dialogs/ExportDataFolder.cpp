#include "guidataset/dialogs/ExportDataFolder.h"

#include "guidataset/dialogs/CDovrelDataSetSaveAs.h"
#include "guidataset/dialogs/core/DataFolderExportTarget.h"
#include "host/baseline/CBaseline.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/Prompter.h"
#include "platform/qt/RunModal.h"
#include "platform/qt/ShellFileOp.h"
#include "platform/qt/WaitCursor.h"

#include <filesystem>
#include <system_error>

namespace {

std::string WithoutTrailingSeparator(std::string path)
{
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
    return path;
}

} // namespace

bool ExportDataFolder(const std::string& dataFolderPath, QWidget* parent)
{
    const std::string source = WithoutTrailingSeparator(dataFolderPath);
    CBaseline* baseline = CBaseline::Instance();
    TWFileSystem* fileSystem = baseline ? baseline->GetFileSystem() : nullptr;
    TWDataSet* registry = fileSystem ? fileSystem->GetDataSet() : nullptr;
    // A project DataFolder goes by its name, a linked one by its path; the
    // dialog keeps the last component either way.
    const std::string name = registry ? registry->GetDatasetName(source) : source;

    CDovrelDataSetSaveAs dialog(fileSystem, parent);
    dialog.SetDataSetName(name.empty() ? source : name);
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return false;
    const std::string target = dialog.GetExportPath();

    std::string error;
    bool cancelled = false;
    {
        platform::WaitCursor wait;
        std::error_code ec;
        const bool targetExisted = std::filesystem::exists(target, ec);
        error = PrepareDataFolderExportTarget(source, target);
        if (error.empty()) {
            platform::ShellFileOp copy(parent, "Export DataFolder...");
            if (!copy.Copy(source, target)) {
                error = copy.Error();
                cancelled = copy.Cancelled();
            }
        }
        // The copy took back its files; the folder made for them goes too.
        if (cancelled && !targetExisted)
            std::filesystem::remove(target, ec);
    }
    if (!error.empty()) {
        platform::AppMessageBox(error, platform::BoxButtons::Ok,
                                cancelled ? platform::BoxIcon::Information : platform::BoxIcon::Exclamation, parent);
        return false;
    }
    return true;
}

extern "C" bool TwGuidatasetExportDataFolder(const char* dataFolderPath, QWidget* parent)
{
    return dataFolderPath && *dataFolderPath && ExportDataFolder(dataFolderPath, parent);
}
