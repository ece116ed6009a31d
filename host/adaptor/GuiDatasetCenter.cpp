#include "host/adaptor/GuiDatasetCenter.h"

#include <atomic>

namespace {
// Set by the module's attach function, cleared by its detach.
std::atomic<GuiDatasetCenter::Factory> g_factory{nullptr};
}

GuiDatasetCenter::~GuiDatasetCenter() = default;

GuiDatasetCenter* GuiDatasetCenter::Instance()
{
    Factory factory = g_factory.load();
    return factory ? factory() : nullptr;
}

void GuiDatasetCenter::SetFactory(Factory factory)
{
    g_factory.store(factory);
}

void GuiDatasetCenter::ResetFactory()
{
    g_factory.store(nullptr);
}

bool GuiDatasetCenter::SaveasDataset(std::string&, TWFileSystem*)
{
    return false;
}
