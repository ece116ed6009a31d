#include "apps/workstation/ModuleLoader.h"

#include <QLibrary>
#include <QStringList>

namespace workstation {

namespace {
using AttachFunction = void (*)();
using PickerFactory = QWidget* (*)(QWidget*);
using ExportFunction = bool (*)(const char*, QWidget*);
using BrowserContentFunction = void (*)(DatafolderDataDisplayContent*, const char*, const char*);

constexpr const char* kAttach = "TwGuidatasetAttach";
constexpr const char* kDetach = "TwGuidatasetDetach";
constexpr const char* kCreatePicker = "TwGuidatasetCreateToolbarPicker";
constexpr const char* kExportDataFolder = "TwGuidatasetExportDataFolder";
constexpr const char* kPrepareBrowserContent = "TwGuidatasetPrepareBrowserContent";
} // namespace

ModuleLoader::ModuleLoader() = default;

ModuleLoader::~ModuleLoader()
{
    if (m_attached) {
        if (auto detach = reinterpret_cast<AttachFunction>(m_library->resolve(kDetach)))
            detach();
    }
    // The library stays mapped: Qt objects made from it may outlive this loader
    // until the application object goes.
    delete m_library;
}

bool ModuleLoader::Load(const std::string& executableFolder)
{
    const QString folder = QString::fromStdString(executableFolder);
    // Installed: lib/tarnwick beside bin; build tree: lib beside bin.
    const QStringList candidates = {folder + "/../lib/tarnwick/libguidataset.so",
                                    folder + "/../lib/libguidataset.so",
                                    folder + "/libguidataset.so", "guidataset"};
    QStringList errors;
    for (const QString& candidate : candidates) {
        auto* library = new QLibrary(candidate);
        if (library->load()) {
            auto attach = reinterpret_cast<AttachFunction>(library->resolve(kAttach));
            if (!attach) {
                errors << library->fileName() + ": no " + kAttach;
                delete library;
                continue;
            }
            m_library = library;
            attach();
            m_attached = true;
            return true;
        }
        errors << library->errorString();
        delete library;
    }
    m_error = "The DataFolder module cannot be loaded: " + errors.join("; ").toStdString();
    return false;
}

QWidget* ModuleLoader::CreateToolbarPicker(QWidget* parent) const
{
    if (!m_attached)
        return nullptr;
    auto create = reinterpret_cast<PickerFactory>(m_library->resolve(kCreatePicker));
    return create ? create(parent) : nullptr;
}

bool ModuleLoader::ExportDataFolder(const std::string& dataFolderPath, QWidget* parent) const
{
    if (!m_attached)
        return false;
    auto exportFolder = reinterpret_cast<ExportFunction>(m_library->resolve(kExportDataFolder));
    return exportFolder && exportFolder(dataFolderPath.c_str(), parent);
}

bool ModuleLoader::PrepareBrowserContent(DatafolderDataDisplayContent& content, const std::string& name,
                                         const std::string& path) const
{
    if (!m_attached)
        return false;
    auto prepare = reinterpret_cast<BrowserContentFunction>(m_library->resolve(kPrepareBrowserContent));
    if (!prepare)
        return false;
    prepare(&content, name.c_str(), path.c_str());
    return true;
}

} // namespace workstation
