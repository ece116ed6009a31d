#pragma once
#include <string>

class QLibrary;
class QWidget;
struct DatafolderDataDisplayContent;

namespace workstation {

// Loads the DataFolder module (libguidataset.so) as a plug-in and attaches it,
// which makes GuiDatasetCenter::Instance() reach the module's service.
class ModuleLoader {
public:
    ModuleLoader();
    ~ModuleLoader();   // detaches the module
    ModuleLoader(const ModuleLoader&) = delete;
    ModuleLoader& operator=(const ModuleLoader&) = delete;

    // Looks beside the executable (../lib, then its own folder), then on the
    // library path. False, with Error() set, when it cannot be loaded.
    bool Load(const std::string& executableFolder);
    bool IsLoaded() const { return m_attached; }
    const std::string& Error() const { return m_error; }

    // The module's toolbar DataFolder picker, made for parent; null when the
    // module is not loaded.
    QWidget* CreateToolbarPicker(QWidget* parent) const;
    // Exports a DataFolder through the module's Save-As dialog and copy;
    // false when cancelled, failed (the module reports why) or not loaded.
    bool ExportDataFolder(const std::string& dataFolderPath, QWidget* parent) const;
    // Fills content to show the DataFolder in the module's browser, with the
    // module's own selection and pages; false when the module is not loaded.
    bool PrepareBrowserContent(DatafolderDataDisplayContent& content, const std::string& name,
                               const std::string& path) const;

private:
    QLibrary* m_library = nullptr;
    bool m_attached = false;
    std::string m_error;
};

} // namespace workstation
