#pragma once
// The workstation loads this module as a plug-in and never links its classes:
// it asks for the browser's content through this export.
struct DatafolderDataDisplayContent;

extern "C" {
// Fills content so that the service's DisplayView shows the DataFolder name
// at path with the service's own selection and pages (GuiDatasetCenterImpl::
// PrepareBrowserContent).
void TwGuidatasetPrepareBrowserContent(DatafolderDataDisplayContent* content, const char* name, const char* path);
}
