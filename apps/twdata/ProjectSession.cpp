#include "apps/twdata/ProjectSession.h"

#include "guidataset/dataset/CXTPDataSetComboBox.h"
#include "guidataset/dataset/ModuleEntry.h"
#include "host/adaptor/GuiDatasetCenter.h"
#include "host/baseline/CBaseline.h"
#include "host/util/TWFileSystem.h"

namespace twdata {

ProjectSession::ProjectSession() = default;

ProjectSession::~ProjectSession()
{
    if (m_opened)
        CBaseline::Close();
    // The picker dies with this session; the service lives on until exit.
    if (m_service && m_picker)
        m_service->InitBarComboBox(nullptr);
}

bool ProjectSession::Open(const std::string& projectFolder, std::string& error)
{
    TwGuidatasetAttach();
    m_service = GuiDatasetCenter::Instance();
    if (!m_service) {
        error = "The DataFolder service is not available.";
        return false;
    }
    if (!m_picker) {
        m_picker = std::make_unique<CXTPDataSetComboBox>();
        m_service->InitBarComboBox(m_picker.get());
    }
    // Opening sends 266/161: the service fills the picker and relinks outside DataFolders.
    if (!CBaseline::Open(projectFolder)) {
        error = "The project in '" + projectFolder + "' cannot be opened.";
        return false;
    }
    m_opened = true;
    return true;
}

CBaseline* ProjectSession::Project() const { return m_opened ? CBaseline::Instance() : nullptr; }

TWFileSystem* ProjectSession::FileSystem() const
{
    CBaseline* project = Project();
    return project ? project->GetFileSystem() : nullptr;
}

TWDataSet* ProjectSession::Registry() const
{
    TWFileSystem* fileSystem = FileSystem();
    return fileSystem ? fileSystem->GetDataSet() : nullptr;
}

} // namespace twdata
