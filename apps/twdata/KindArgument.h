#pragma once
// The KIND argument of "twdata files": a kind name ("LiveConfig", any case)
// or its number, and where that kind's files are listed.
#include "guidataset/dataset/core/DataKind.h"

#include <optional>
#include <string>

namespace twdata {

struct KindListing {
    DataKind kind = 0;       // the kind as named or numbered
    DataKind listKind = 0;   // the kind whose extension the lister matches
};

// Nothing for a name or number whose files cannot be listed.
std::optional<KindListing> ParseKindArgument(const std::string& text);

// "LiveConfig (16), LiveRouteTable (17), ..., 25, 26, ...": for the usage message.
std::string KnownKindsText();

} // namespace twdata
