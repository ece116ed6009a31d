#pragma once
// The module's load entry. The workstation loads libguidataset.so with
// QLibrary, resolves these by name and calls attach once after loading and
// detach before unloading.

extern "C" {
// From now on GuiDatasetCenter::Instance() reaches the module's service.
void TwGuidatasetAttach();
// Releases what the service holds; GuiDatasetCenter::Instance() answers null again.
void TwGuidatasetDetach();
}
