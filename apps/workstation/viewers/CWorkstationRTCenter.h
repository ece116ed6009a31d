#pragma once
// The workstation's route-table service: route tables open in the table
// viewer, compare in the difference viewer, and open viewers follow renames.
#include "host/adaptor/GuiRTCenter.h"

namespace workstation {

class CHostViewers;

class CWorkstationRTCenter final : public GuiRTCenter {
public:
    explicit CWorkstationRTCenter(CHostViewers& viewers) : m_viewers(viewers) {}

    void SetSimulatedMode(bool simulated) override;
    void OpenRouteTable(const std::string& path, int viewOption, int flags) override;
    void CompareRouteTable(QWidget* parent, const std::string& path) override;
    void CompareRouteTables(QWidget* parent, const std::string& first, const std::string& second) override;
    void OnRouteTableRenamed(const std::string& oldPath, const std::string& newPath) override;

private:
    CHostViewers& m_viewers;
};

} // namespace workstation
