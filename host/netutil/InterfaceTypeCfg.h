#pragma once
// Interface type names: the full names devices print ("GigabitEthernet0/1")
// and the workstation's short forms ("Gi0/1") that tables and drawings use.
#include <string>
#include <utility>
#include <vector>

class InterfaceTypeCfg {
public:
    static InterfaceTypeCfg& Instance();

    // Full name to short form: the type is matched without regard to case and
    // a blank between type and number is dropped ("FastEthernet 0/1" -> "Fa0/1").
    // A name already short, or of a type not in the table, comes back trimmed.
    // Empty for an empty name or one with blanks inside the number part.
    std::string getIfNameBknFromFull(const std::string& fullName) const;
    // Short form back to the full name; unknown forms come back unchanged.
    std::string getIfNameFullFromBkn(const std::string& shortName) const;

private:
    InterfaceTypeCfg();
    std::vector<std::pair<std::string, std::string>> m_types;   // full type, short type; longest full first
};
