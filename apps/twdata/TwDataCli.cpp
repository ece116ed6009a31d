#include "apps/twdata/TwDataCli.h"

#include "apps/twdata/CollectCommand.h"
#include "apps/twdata/CompareCommand.h"
#include "apps/twdata/DataFolderCommands.h"
#include "apps/twdata/DeviceCommands.h"
#include "apps/twdata/ProjectSession.h"
#include "apps/twdata/ShowCommandCommands.h"
#include "apps/twdata/TableCommandsCli.h"
#include "apps/twdata/TerminalPrompter.h"

#include "host/util/TWFileSystem.h"
#include "platform/core/Prompter.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace twdata {

namespace {

// The prompter is this process's for the time of one command.
class PrompterScope {
public:
    explicit PrompterScope(platform::Prompter* prompter) : m_previous(platform::Prompter::Install(prompter)) {}
    ~PrompterScope() { platform::Prompter::Install(m_previous); }
    PrompterScope(const PrompterScope&) = delete;
    PrompterScope& operator=(const PrompterScope&) = delete;

private:
    platform::Prompter* m_previous;
};

struct Arguments {
    std::string project;
    std::string folder;
    std::string name;
    std::string brief;
    std::string kind;
    std::string dataFolder;
    std::string filter;
    std::string deviceType = "router";
    std::string device;
    std::string command;
    std::string time;
    std::string second;
    std::string html;
    std::vector<std::string> paths;
    std::vector<std::string> devices;
    bool locked = false;
    bool yes = false;
    bool makeCurrent = false;
};

// The first word that is neither an option nor the value of -p, when it names
// no command; CLI11 would only say that a command is missing.
std::string UnknownCommand(const CLI::App& app, int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "-p" || word == "--project") {
            ++i;
            continue;
        }
        if (word.empty() || word[0] == '-')
            continue;
        try {
            app.get_subcommand(word);
            return {};
        } catch (const CLI::OptionNotFound&) {
            return word;
        }
    }
    return {};
}

} // namespace

TwDataCli::TwDataCli(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

int TwDataCli::Run(int argc, char** argv)
{
    Arguments args;
    CLI::App app{"twdata: manage the DataFolders of a Tarnwick project from the command line.", "twdata"};
    app.option_defaults()->always_capture_default(false);
    app.require_subcommand(1);
    app.fallthrough();
    app.add_option("-p,--project", args.project, "The project folder (holding Workspace.ini)");

    using Command = std::function<int(DataFolderCommands&)>;
    Command command;
    bool needsProject = true;

    CLI::App* init = app.add_subcommand("init", "Create a project in DIR with the \"Local default\" DataFolder");
    init->add_option("DIR", args.folder, "The project folder")->required();
    init->add_option("--name", args.name, "The project name (default: the folder's name)");
    init->callback([&] { needsProject = false; });

    CLI::App* list = app.add_subcommand(
        "list", "List the DataFolders: full name, brief name, item type, lock, then the marks current and "
                "unavailable (a linked folder that cannot be found now) (tab-separated)");
    list->callback([&] { command = [](DataFolderCommands& c) { return c.List(); }; });

    CLI::App* files = app.add_subcommand(
        "files", "List one kind of data of a DataFolder as the browser shows it: its columns, then a row per file "
                 "(tab-separated)");
    files->add_option("KIND", args.kind, "Kind name (LiveConfig, ShowCommand, ...) or number")->required();
    files->add_option("--datafolder", args.dataFolder, "The DataFolder (default: the current one)");
    files->add_option("--filter", args.filter, "Only files of devices whose name contains TEXT");
    files->callback([&] {
        command = [&](DataFolderCommands& c) { return c.Files(args.kind, args.dataFolder, args.filter); };
    });

    CLI::App* create = app.add_subcommand("new", "Create a DataFolder");
    create->add_option("NAME", args.name, "The DataFolder name")->required();
    create->add_flag("--locked", args.locked, "Create it locked");
    create->callback([&] { command = [&](DataFolderCommands& c) { return c.New(args.name, args.locked); }; });

    CLI::App* lock = app.add_subcommand("lock", "Lock a DataFolder (read-only for data collection)");
    lock->add_option("NAME", args.name, "The DataFolder")->required();
    lock->callback([&] { command = [&](DataFolderCommands& c) { return c.SetLock(args.name, true); }; });

    CLI::App* unlock = app.add_subcommand("unlock", "Unlock a DataFolder");
    unlock->add_option("NAME", args.name, "The DataFolder")->required();
    unlock->callback([&] { command = [&](DataFolderCommands& c) { return c.SetLock(args.name, false); }; });

    CLI::App* current = app.add_subcommand("current", "Print the current DataFolder, or make NAME current");
    current->add_option("NAME", args.name, "The DataFolder to make current");
    current->callback([&] {
        command = [&](DataFolderCommands& c) {
            return args.name.empty() ? c.ShowCurrent() : c.SetCurrent(args.name);
        };
    });

    CLI::App* remove = app.add_subcommand("delete", "Delete a DataFolder and its files");
    remove->add_option("NAME", args.name, "The DataFolder")->required();
    remove->add_flag("-y,--yes", args.yes, "Answer Yes to the question instead of asking");
    remove->callback([&] { command = [&](DataFolderCommands& c) { return c.Delete(args.name); }; });

    CLI::App* link = app.add_subcommand("link", "Link an outside FOLDER as a DataFolder");
    link->add_option("FOLDER", args.folder, "The folder to link")->required();
    link->add_option("--brief", args.brief, "The name shown in pickers (default: the folder's name)");
    link->callback([&] { command = [&](DataFolderCommands& c) { return c.Link(args.folder, args.brief); }; });

    CLI::App* unlink = app.add_subcommand("unlink", "Drop the link to an outside DataFolder; its files stay");
    unlink->add_option("NAME", args.name, "The linked DataFolder (its folder or brief name)")->required();
    unlink->callback([&] { command = [&](DataFolderCommands& c) { return c.Unlink(args.name); }; });

    // Commands on the project's devices and show-command results.
    using SessionCommand = std::function<int(ProjectSession&)>;
    SessionCommand sessionCommand;
    auto onSession = [&](SessionCommand run) {
        sessionCommand = std::move(run);
        command = nullptr;
    };

    CLI::App* device = app.add_subcommand("device", "Add, list or remove the devices of the project; device groups");
    device->require_subcommand(1);
    CLI::App* deviceAdd = device->add_subcommand("add", "Add a device");
    deviceAdd->add_option("NAME", args.name, "The device name")->required();
    deviceAdd->add_option("--type", args.deviceType, "router (default), switch or firewall");
    deviceAdd->callback([&] {
        onSession([&](ProjectSession&) { return DeviceCommands(m_out, m_err).Add(args.name, args.deviceType); });
    });
    CLI::App* deviceList = device->add_subcommand("list", "List the devices: name, type (tab-separated)");
    deviceList->callback([&] { onSession([&](ProjectSession&) { return DeviceCommands(m_out, m_err).List(); }); });
    CLI::App* deviceRemove = device->add_subcommand("remove", "Remove a device");
    deviceRemove->add_option("NAME", args.name, "The device name")->required();
    deviceRemove->callback([&] {
        onSession([&](ProjectSession&) { return DeviceCommands(m_out, m_err).Remove(args.name); });
    });

    CLI::App* deviceGroup = device->add_subcommand(
        "group", "List the device groups: group, device (tab-separated), or create one or add to one");
    deviceGroup->require_subcommand(0, 1);
    CLI::App* groupCreate = deviceGroup->add_subcommand("create", "Create a device group of the devices");
    groupCreate->add_option("GROUP", args.name, "The new group's name")->required();
    groupCreate->add_option("DEVICE", args.devices, "The project's devices")->required();
    groupCreate->callback([&] {
        onSession([&](ProjectSession&) { return DeviceCommands(m_out, m_err).GroupCreate(args.name, args.devices); });
    });
    CLI::App* groupAdd = deviceGroup->add_subcommand("add", "Add devices to a device group");
    groupAdd->add_option("GROUP", args.name, "The group")->required();
    groupAdd->add_option("DEVICE", args.devices, "The project's devices")->required();
    groupAdd->callback([&] {
        onSession([&](ProjectSession&) { return DeviceCommands(m_out, m_err).GroupAdd(args.name, args.devices); });
    });
    deviceGroup->callback([&] {
        if (!groupCreate->parsed() && !groupAdd->parsed())
            onSession([&](ProjectSession&) { return DeviceCommands(m_out, m_err).Groups(); });
    });

    CLI::App* importLog = app.add_subcommand(
        "import-log", "Import captured CLI session logs (files, or the files of folders) as show-command results");
    importLog->add_option("PATH", args.paths, "Log files or folders")->required();
    CLI::Option* importInto =
        importLog->add_option("--datafolder", args.dataFolder, "The DataFolder (default: the current one)");
    importLog
        ->add_flag("--make-current", args.makeCurrent,
                   "Make the --datafolder DataFolder current first (it receives the parsed tables)")
        ->needs(importInto);
    importLog->add_flag("-y,--yes", args.yes,
                        "Answer Yes to the questions (read-only DataFolder, L2 recalculation) instead of asking");
    importLog->callback([&] {
        onSession([&](ProjectSession& s) {
            return ShowCommandCommands(s, m_out, m_err).ImportLog(args.dataFolder, args.paths, args.makeCurrent);
        });
    });

    CollectArguments collect;
    CLI::App* collectCmd = app.add_subcommand(
        "collect", "Retrieve the live data of devices over SSH into a DataFolder; one line per device");
    collectCmd->add_option("DEVICE", collect.devices, "The project's devices")->required();
    CLI::Option* collectInto =
        collectCmd->add_option("--datafolder", collect.dataFolder, "The DataFolder (default: the current one)");
    collectCmd->add_flag("--make-current", collect.makeCurrent, "Make the --datafolder DataFolder current first")
        ->needs(collectInto);
    collectCmd->add_option("--command", collect.commands,
                           "A command to run (repeatable; default: each platform's live-data commands)");
    collectCmd->add_option("--known-hosts", collect.knownHostsFile, "The known_hosts file (default: ~/.ssh/known_hosts)");
    collectCmd->add_option("--identity", collect.identityFiles, "A private key to offer besides the agent's (repeatable)");
    collectCmd->add_option("--sessions", collect.sessions, "Devices reached at the same time (default 8)")
        ->check(CLI::Range(1, 64));
    collectCmd->add_option("--timeout", collect.timeoutSeconds,
                           "Seconds a device may stay silent before it counts as not answering (default 20)")
        ->check(CLI::Range(1, 3600));
    collectCmd->callback([&] {
        onSession([&](ProjectSession& s) { return CollectCommand(s, m_out, m_err).Run(collect); });
    });

    CLI::App* results = app.add_subcommand(
        "results", "List the show-command results: device, command, time (tab-separated)");
    results->add_option("--datafolder", args.dataFolder, "The DataFolder (default: the current one)");
    results->add_option("--device", args.device, "Only the results of this device");
    results->add_option("--command", args.command, "Only the results of this command");
    results->callback([&] {
        onSession([&](ProjectSession& s) {
            return ShowCommandCommands(s, m_out, m_err).Results(args.dataFolder, args.device, args.command);
        });
    });

    CLI::App* showResult = app.add_subcommand("show-result", "Print a show-command result and its note");
    showResult->add_option("DEVICE", args.device, "The device")->required();
    showResult->add_option("COMMAND", args.command, "The command as typed")->required();
    showResult->add_option("TIME", args.time, "The result's time (default: the newest)");
    showResult->add_option("--datafolder", args.dataFolder, "The DataFolder (default: the current one)");
    showResult->callback([&] {
        onSession([&](ProjectSession& s) {
            return ShowCommandCommands(s, m_out, m_err)
                .ShowResult(args.dataFolder, args.device, args.command, args.time);
        });
    });

    CLI::App* exportCmd = app.add_subcommand(
        "export", "Export the show-command results into one text file per device (<device>.txt) in DIR");
    exportCmd->add_option("DIR", args.folder, "The folder to export into (created when missing)")->required();
    exportCmd->add_option("--datafolder", args.dataFolder, "The DataFolder (default: the current one)");
    exportCmd->callback([&] {
        onSession([&](ProjectSession& s) {
            return ShowCommandCommands(s, m_out, m_err).Export(args.dataFolder, args.folder);
        });
    });

    CLI::App* compare = app.add_subcommand(
        "compare", "Report what changed from DATAFOLDER1 to DATAFOLDER2, device by device and kind by kind; "
                   "exit status 0 when they hold the same data, 1 when they differ, 2 on trouble");
    compare->add_option("DATAFOLDER1", args.dataFolder, "The first (older) DataFolder: its name or folder")
        ->required();
    compare->add_option("DATAFOLDER2", args.second, "The second DataFolder")->required();
    compare->add_option("--html", args.html, "Also save the report as an HTML page to FILE");
    compare->callback([&] {
        onSession([&](ProjectSession& s) {
            return CompareCommand(s, m_out, m_err).Run(args.dataFolder, args.second, args.html);
        });
    });

    TableCommandsCli tables(m_out, m_err);
    tables.AddTo(app);

    if (const std::string unknown = UnknownCommand(app, argc, argv); !unknown.empty()) {
        m_err << "twdata: unknown command '" << unknown << "'. Commands: init, list, files, new, lock, "
              << "unlock, current, delete, link, unlink, device, import-log, results, show-result, export, compare, "
              << "parse, compare-tables; "
              << "see twdata --help.\n";
        return kExitUsage;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e, m_out, m_err) == 0 ? kExitDone : kExitUsage;
    }

    if (tables.Parsed())
        return tables.Run();
    if (!needsProject) {
        const int created = DataFolderCommands::Init(args.folder, args.name, m_out, m_err);
        if (created != kExitDone)
            return created;
        // Opened once, the new project records its current DataFolder: commands
        // that only read it then never have to write.
        args.project = args.folder;
        command = [](DataFolderCommands&) { return int(kExitDone); };
    }
    if (args.project.empty()) {
        m_err << "twdata: -p DIR names the project; see twdata --help.\n";
        return kExitUsage;
    }
    if (!TWFileSystem::IsProjectFolder(args.project)) {
        m_err << "-p " << args.project << " is not a project (no Workspace.ini)\n";
        return kExitFailed;
    }

    TerminalPrompter prompter(args.yes);
    PrompterScope prompterScope(&prompter);
    ProjectSession session;
    std::string error;
    if (!session.Open(args.project, error)) {
        m_err << error << '\n';
        return kExitFailed;
    }
    if (sessionCommand)
        return sessionCommand(session);
    DataFolderCommands commands(session, m_out, m_err);
    return command(commands);
}

} // namespace twdata
