#include "apps/twdata/TableCommandsCli.h"

#include "apps/twdata/CompareTablesCommand.h"
#include "apps/twdata/ExitStatus.h"
#include "apps/twdata/ParseCommand.h"

#include <CLI/CLI.hpp>

#include <ostream>
#include <string>

namespace twdata {

TableCommandsCli::TableCommandsCli(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

bool TableCommandsCli::IsTableCommand(int argc, char** argv)
{
    if (argc < 2)
        return false;
    const std::string command = argv[1];
    return command == "parse" || command == "compare-tables";
}

int TableCommandsCli::RunAlone(int argc, char** argv)
{
    CLI::App app{"twdata: manage the DataFolders of a Tarnwick project from the command line.", "twdata"};
    app.option_defaults()->always_capture_default(false);
    app.require_subcommand(1);
    AddTo(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e, m_out, m_err) == 0 ? kExitDone : kExitUsage;
    }
    return Run();
}

void TableCommandsCli::AddTo(CLI::App& app)
{
    m_parse = app.add_subcommand("parse", "Parse one saved show-command output and print its table");
    m_parse->add_option("KIND", m_kind, "route, arp, mac, cdp or interface")
        ->required()
        ->check(CLI::IsMember({"route", "arp", "mac", "cdp", "interface"}));
    m_parse->add_option("FILE", m_first, "The saved output")->required();

    m_compare = app.add_subcommand(
        "compare-tables", "Compare two parsed tables of one kind by their keys and print what was added, removed or "
                          "changed (tab-separated). Exit status as diff's: 0 the same, 1 different, 2 trouble");
    m_compare->add_option("FILE1", m_first, "The older table (.ort, .oat, .omt, .cdp, .inte)")->required();
    m_compare->add_option("FILE2", m_second, "The newer table, of the same kind")->required();
    m_compare->add_flag("--include-ignored", m_includeIgnored,
                        "Also compare the columns that change on every capture (route uptime, ARP age, "
                        "interface index)");
}

bool TableCommandsCli::Parsed() const
{
    return (m_parse && m_parse->parsed()) || (m_compare && m_compare->parsed());
}

int TableCommandsCli::Run()
{
    if (m_parse && m_parse->parsed())
        return ParseCommand(m_out, m_err).Run(m_kind, m_first);
    if (m_compare && m_compare->parsed())
        return CompareTablesCommand(m_out, m_err).Run(m_first, m_second, m_includeIgnored);
    return kExitUsage;
}

} // namespace twdata
