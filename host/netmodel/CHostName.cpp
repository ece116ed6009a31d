#include "host/netmodel/CHostName.h"

#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/netmodel/TWDevice.h"

namespace {

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string ModelSpelling(const std::string& name)
{
    GlobalNetworkInfo* model = GetCurrentGNI();
    const TWDevice* device = model && !name.empty() ? model->GetDevice(name, true) : nullptr;
    return device ? device->GetName() : std::string();
}

} // namespace

std::string CHostName::GetBackendHostName(const std::string& name)
{
    // Host names hold neither prompt characters nor parentheses, so a trailing
    // '#' or '>' is the prompt and a trailing group the CLI mode ("sw1> (enable)").
    const auto dropPrompt = [](std::string text) {
        while (!text.empty() && (text.back() == '#' || text.back() == '>'))
            text = Trim(text.substr(0, text.size() - 1));
        return text;
    };
    std::string bare = dropPrompt(Trim(name));
    if (!bare.empty() && bare.back() == ')') {
        const auto open = bare.rfind('(');
        if (open != std::string::npos && open > 0)
            bare = dropPrompt(Trim(bare.substr(0, open)));
    }
    const std::string known = ModelSpelling(bare);
    if (!known.empty())
        return known;
    return bare.empty() ? name : bare;
}

std::string CHostName::GetDeviceName(const std::string& hostName)
{
    const std::string known = ModelSpelling(Trim(hostName));
    return known.empty() ? hostName : known;
}
