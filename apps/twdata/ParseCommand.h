#pragma once
// "twdata parse": one saved show-command output read by the workstation's own
// parser of its kind and printed as the table file that parser writes. Needs
// no project.
#include "host/netutil/TableFile.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace twdata {

class ParseCommand {
public:
    ParseCommand(std::ostream& out, std::ostream& err);

    // kind: route, arp, mac, cdp or interface. Status 1 when the file cannot
    // be read or holds nothing of the kind.
    int Run(const std::string& kind, const std::string& file);

    static bool IsKnownKind(const std::string& kind);

private:
    using TableTextWriter = std::size_t (*)(std::string_view, std::string&, const TableFile::LineAppended&);
    // Route, ARP and MAC tables are printed as they are parsed: their writer; null for the others.
    static TableTextWriter PrintedAsParsed(const std::string& kind);
    int PrintAsParsed(TableTextWriter writer, const std::string& kind, const std::string& file,
                      std::string_view output);
    // CDP and interface tables: the table of output written under folder;
    // empty when nothing was found.
    std::string WriteTable(const std::string& kind, const std::string& output, const std::string& folder);

    std::ostream& m_out;
    std::ostream& m_err;
};

} // namespace twdata
