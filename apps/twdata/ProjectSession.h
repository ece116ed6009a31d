#pragma once
// One project opened the way the workstation opens it: the DataFolder module
// attached, an offscreen toolbar picker handed to its service, then the
// project opened, so the service fills the picker and answers as it would
// under the workstation's window.
#include <memory>
#include <string>

class CBaseline;
class CXTPDataSetComboBox;
class GuiDatasetCenter;
class TWDataSet;
class TWFileSystem;

namespace twdata {

class ProjectSession {
public:
    ProjectSession();
    // Closes the project and takes the picker back from the service.
    ~ProjectSession();
    ProjectSession(const ProjectSession&) = delete;
    ProjectSession& operator=(const ProjectSession&) = delete;

    // False, with error set, when the module's service is missing or the
    // folder cannot be opened as a project.
    bool Open(const std::string& projectFolder, std::string& error);

    GuiDatasetCenter* Service() const { return m_service; }
    CXTPDataSetComboBox* Picker() const { return m_picker.get(); }
    CBaseline* Project() const;
    TWFileSystem* FileSystem() const;
    TWDataSet* Registry() const;

private:
    GuiDatasetCenter* m_service = nullptr;
    std::unique_ptr<CXTPDataSetComboBox> m_picker;
    bool m_opened = false;
};

} // namespace twdata
