#include "apps/twdata/CompareCommand.h"

#include "apps/twdata/ProjectSession.h"

#include "host/compare/DataFolderComparer.h"
#include "host/compare/ReportExport.h"
#include "host/compare/ReportTextWriter.h"
#include "host/util/TWDataSet.h"
#include "platform/core/Paths.h"

#include <filesystem>
#include <ostream>

namespace twdata {

namespace {
constexpr int kSame = 0;
constexpr int kDifferent = 1;
constexpr int kTrouble = 2;
} // namespace

CompareCommand::CompareCommand(ProjectSession& session, std::ostream& out, std::ostream& err)
    : m_session(session), m_out(out), m_err(err)
{
}

std::string CompareCommand::Resolve(const std::string& dataFolder)
{
    const std::string path = m_session.Registry()->GetDataSetPath(dataFolder);
    if (!path.empty())
        return path;
    std::error_code ec;
    if (dataFolder.find('/') != std::string::npos && std::filesystem::is_directory(dataFolder, ec))
        return platform::EnsureTrailingSlash(dataFolder);
    m_err << "No DataFolder '" << dataFolder << "' in this project, and no folder of that path.\n";
    return {};
}

int CompareCommand::Run(const std::string& first, const std::string& second, const std::string& htmlFile)
{
    const std::string pathA = Resolve(first);
    const std::string pathB = Resolve(second);
    if (pathA.empty() || pathB.empty())
        return kTrouble;
    TWDataSet& registry = *m_session.Registry();
    CDataFolderComparer comparer(pathA, registry.GetDatasetName(pathA), pathB, registry.GetDatasetName(pathB));
    comparer.UseProjectInventory();
    DataFolderReport report;
    std::string error;
    if (!comparer.Compare(report, error)) {
        m_err << error << '\n';
        return kTrouble;
    }
    m_out << CReportTextWriter::Write(report);
    if (!htmlFile.empty() && !CReportExport::Save(report, htmlFile, error)) {
        m_err << error << '\n';
        return kTrouble;
    }
    return report.HasDifferences() ? kDifferent : kSame;
}

} // namespace twdata
