#include "apps/tarnwickdiff/core/DiffArguments.h"

namespace tarnwickdiff {

namespace {

// "--name VALUE" or "--name=VALUE"; advances i past what it took.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
               std::string& value, std::string& error)
{
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg.compare(0, name.size() + 1, name + "=") == 0) {
        value = arg.substr(name.size() + 1);
        return true;
    }
    if (i + 1 >= args.size()) {
        error = name + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

bool IsOption(const std::string& arg, const char* name)
{
    const std::string option = name;
    return arg == option || arg.rfind(option + "=", 0) == 0;
}

} // namespace

bool ParseDiffArguments(const std::vector<std::string>& args, DiffArguments& out, std::string& error)
{
    out = DiffArguments();
    std::vector<std::string> paths;
    std::vector<std::string> labels;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // Anything that does not start with "-" is a path, whatever it holds.
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            paths.push_back(arg);
            continue;
        }
        std::string value;
        if (arg == "--") {
            optionsEnded = true;
        } else if (IsOption(arg, "--title1")) {
            if (!TakeValue(args, i, "--title1", out.leftTitle, error))
                return false;
        } else if (IsOption(arg, "--title2")) {
            if (!TakeValue(args, i, "--title2", out.rightTitle, error))
                return false;
        } else if (arg == "-L" || IsOption(arg, "--label")) {
            // diff and meld style: the first label names the first file.
            if (!TakeValue(args, i, arg == "-L" ? "-L" : "--label", value, error))
                return false;
            labels.push_back(value);
        } else if (arg == "-w" || arg == "--ignore-all-space" || arg == "--ignore-whitespace") {
            out.ignoreWhitespace = true;
        } else if (IsOption(arg, "--screenshot")) {
            if (!TakeValue(args, i, "--screenshot", out.screenshot, error))
                return false;
        } else if (arg == "--first-paint-exit") {
            out.firstPaintExit = true;
        } else if (arg == "-h" || arg == "--help") {
            out.help = true;
            return true;
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    if (labels.size() > 2) {
        error = "at most two labels, one for each file";
        return false;
    }
    if (!labels.empty() && out.leftTitle.empty())
        out.leftTitle = labels[0];
    if (labels.size() == 2 && out.rightTitle.empty())
        out.rightTitle = labels[1];
    if (paths.size() != 2) {
        error = "two files to compare are needed, " + std::to_string(paths.size()) + " given";
        return false;
    }
    out.leftPath = paths[0];
    out.rightPath = paths[1];
    return true;
}

std::string DiffUsage()
{
    return "Usage: TarnwickDiff.exe [options] FIRST SECOND\n"
           "Shows two text files side by side with their differences.\n"
           "\n"
           "  --title1 TEXT        title above the first file (default: its path)\n"
           "  --title2 TEXT        title above the second file\n"
           "  -L, --label TEXT     the same, given once for each file in order\n"
           "  -w, --ignore-all-space\n"
           "                       start with white space ignored\n"
           "  --screenshot FILE    write the window to the PNG FILE once shown, then exit\n"
           "  --first-paint-exit   exit once the first screen is painted (for timing)\n"
           "  -h, --help           this text\n"
           "\n"
           "Keys: F7 next change, Shift+F7 previous change, F5 reload.\n";
}

} // namespace tarnwickdiff
