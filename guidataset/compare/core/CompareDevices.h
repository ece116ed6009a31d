#pragma once
// The devices of a many-device comparison as the live-data retrieval takes them.
#include <set>
#include <string>

// Host names in set order, one line feed between them; an empty set gives a
// single line feed.
std::string JoinDeviceNames(const std::set<std::string>& devices);
