#pragma once
// Rows of cached route tables as the browser's route-table page shows them:
// "Hostname" (host, then a blank and the qualifier when there is one),
// "Name" (the table name) and "Execution Time" (last write, "%Y-%m-%d %H:%M").
#include <string>
#include <vector>

struct RouteTableName {
    std::string host;
    std::string name;
    std::string qualifier;
};

// Splits a table file name "<host>$<name>$<qualifier>.<ext>". A live table
// saved by the registry is named "<device>.<ext>" or "<device>$<qualifier>.<ext>"
// and carries the built-in name "default-live". %XX escapes are decoded.
RouteTableName ParseRouteTableFileName(const std::string& fileName);

struct RouteTableRow {
    std::string hostname;
    std::string name;
    std::string executionTime;
};

// The live route tables (".ort") in folder, no device filter, in the order
// the list shows them: each row goes in above the one before, so the reverse
// of the directory search's order. A missing folder gives no rows.
std::vector<RouteTableRow> ListRouteTableRows(const std::string& folder);
