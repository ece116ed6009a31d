#include "apps/twdata/ParseCommand.h"

#include "apps/twdata/ExitStatus.h"

#include "host/l2/CCiscoSwitchObj.h"
#include "host/l2/CDeviceObj.h"
#include "host/l2/CRouterObj.h"
#include "host/netutil/CCliResultParserRule.h"
#include "host/netutil/InterfaceTypeCfg.h"
#include "host/netutil/RoutingTable.h"
#include "host/netutil/TableFile.h"
#include "host/probe/IfTableEntry.h"
#include "host/probe/TWLiveData.h"
#include "host/util/FileWriteBatch.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/FileBytes.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <set>
#include <string_view>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace twdata {

namespace {

// Tables are written for this device; the name never leaves the scratch folder.
const char* const kDevice = "parsed";
// The host's tag for text captured from a CLI session.
constexpr int kCliCaptureSource = 1021;
// Tables that can be printed as they are parsed go out in pieces of this
// size: a big table is never held whole, and the piece stays in the cache.
constexpr std::size_t kPrintPiece = 256u << 10;


// A scratch folder of its own, removed with the object.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::error_code ec;
        std::string pattern = (fs::temp_directory_path(ec) / "twdata-parse-XXXXXX").string();
        if (ec)
            pattern = "/tmp/twdata-parse-XXXXXX";
        if (char* made = ::mkdtemp(pattern.data()))
            m_path = std::string(made) + '/';
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        if (!m_path.empty())
            fs::remove_all(m_path, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

std::vector<IfTableEntry> InterfaceEntries(const std::string& output, std::string& error)
{
    std::vector<IfTableEntry> entries;
    const std::string ruleFile = TWFileSystem::GetSystemConfFolder() + "fix_CliShowIfCmdRule.xml";
    CCliResultParserRule rule;
    if (!rule.LoadFile(ruleFile)) {
        error = "The interface rules '" + ruleFile + "' cannot be read.";
        return entries;
    }
    std::vector<CCliResultParserRule::Record> records;
    rule.ParseCliResult(output, records, 0);
    for (const auto& record : records) {
        const auto name = record.find("Interface Name");
        if (name == record.end() || name->second.empty())
            continue;
        IfTableEntry entry;
        entry.index = static_cast<int>(entries.size()) + 1;
        entry.name = InterfaceTypeCfg::Instance().getIfNameBknFromFull(name->second.front());
        if (entry.name.empty())
            entry.name = name->second.front();
        const auto mac = record.find("Mac Address");
        if (mac != record.end() && !mac->second.empty())
            entry.macAddress = mac->second.front();
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace

ParseCommand::ParseCommand(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

bool ParseCommand::IsKnownKind(const std::string& kind)
{
    static const std::set<std::string> kinds{"route", "arp", "mac", "cdp", "interface"};
    return kinds.count(kind) != 0;
}

std::string ParseCommand::WriteTable(const std::string& kind, const std::string& output, const std::string& folder)
{
    // Route, ARP and MAC tables never come here: they are printed as parsed.
    if (kind == "cdp") {
        if (!CDeviceObj::ParseCdpTable(kDevice, kCliCaptureSource, folder, output, "", {}))
            return {};
        return CDeviceObj::TablePath(folder, &TWFileSystem::GetLiveCdpTableFolder, kDevice, "", ".cdp");
    }
    std::string error;
    const std::vector<IfTableEntry> entries = InterfaceEntries(output, error);
    if (!error.empty())
        m_err << error << '\n';
    if (!TWLiveData::SaveLiveInterfaceData(folder, kDevice, entries))
        return {};
    return TWLiveData::LiveInterfaceFile(folder, kDevice);
}

ParseCommand::TableTextWriter ParseCommand::PrintedAsParsed(const std::string& kind)
{
    if (kind == "route")
        return &RoutingTable::AppendTableText;
    if (kind == "arp")
        return &CRouterObj::AppendArpTableText;
    if (kind == "mac")
        return &CCiscoSwitchObj::AppendMacTableText;
    return nullptr;
}

int ParseCommand::PrintAsParsed(TableTextWriter writer, const std::string& kind, const std::string& file,
                                std::string_view output)
{
    std::string text;
    text.reserve(kPrintPiece + 4096);
    const std::size_t rows = writer(output, text, [this](std::string& piece) {
        if (piece.size() >= kPrintPiece) {
            m_out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
            piece.clear();
        }
    });
    // Nothing is printed before the first row: a file without one prints nothing.
    if (rows == 0) {
        m_err << "No " << kind << " table in '" << file << "'.\n";
        return kExitFailed;
    }
    m_out.write(text.data(), static_cast<std::streamsize>(text.size()));
    m_out.flush();
    if (!m_out) {
        m_err << "The " << kind << " table of '" << file << "' could not be printed in full.\n";
        return kExitFailed;
    }
    return kExitDone;
}

int ParseCommand::Run(const std::string& kind, const std::string& file)
{
    if (!IsKnownKind(kind)) {
        m_err << "Unknown kind '" << kind << "'. Kinds: route, arp, mac, cdp, interface.\n";
        return kExitUsage;
    }
    platform::FileBytes bytes;
    if (!bytes.Read(file)) {
        m_err << "The file '" << file << "' cannot be read: " << std::strerror(errno) << ".\n";
        return kExitFailed;
    }
    if (const TableTextWriter writer = PrintedAsParsed(kind))
        return PrintAsParsed(writer, kind, file, bytes.Text());
    const std::string output(bytes.Text());
    // The others are written by their parsers into a folder first.
    ScratchFolder scratch;
    if (scratch.Path().empty()) {
        m_err << "No temporary folder can be made for the table.\n";
        return kExitFailed;
    }
    // The table is printed from memory: held back, never written.
    FileWriteBatch held;
    const std::string table = WriteTable(kind, output, scratch.Path());
    const std::string* text = table.empty() ? nullptr : FileWriteBatch::Pending(table);
    std::string read;
    if (!text && !table.empty() && TWDataSet::GetFileContent(table, read))
        text = &read;
    if (!text) {
        m_err << "No " << kind << " table in '" << file << "'.\n";
        return kExitFailed;
    }
    m_out.write(text->data(), static_cast<std::streamsize>(text->size()));
    held.Discard();
    return kExitDone;
}

} // namespace twdata
