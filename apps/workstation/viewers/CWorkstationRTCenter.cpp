#include "apps/workstation/viewers/CWorkstationRTCenter.h"

#include "apps/workstation/viewers/CHostViewers.h"

namespace workstation {

void CWorkstationRTCenter::SetSimulatedMode(bool simulated)
{
    m_viewers.SetSimulatedMode(simulated);
}

void CWorkstationRTCenter::OpenRouteTable(const std::string& path, int, int)
{
    m_viewers.ViewTable(path, m_viewers.SimulatedMode() ? TableKind::SimulatedRoute : TableKind::Route);
}

void CWorkstationRTCenter::CompareRouteTable(QWidget*, const std::string& path)
{
    m_viewers.CompareTable(path, m_viewers.SimulatedMode() ? TableKind::SimulatedRoute : TableKind::Route,
                           std::string());
}

void CWorkstationRTCenter::CompareRouteTables(QWidget*, const std::string& first, const std::string& second)
{
    m_viewers.CompareTables(first, second, TableKind::Route);
}

void CWorkstationRTCenter::OnRouteTableRenamed(const std::string& oldPath, const std::string& newPath)
{
    m_viewers.FollowRename(oldPath, newPath);
}

} // namespace workstation
