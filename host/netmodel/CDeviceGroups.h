#pragma once
// The project's device groups, kept in "DeviceGroups.ini" of the project
// folder: one section per group, one key per device, the device's type word
// as its value. The file is read again for every question (the workstation
// and twdata may both change it) and rewritten whole through a temporary
// file; lines it does not understand are kept as they were.
#include <string>
#include <vector>

class CDeviceGroups {
public:
    enum class Result { Ok, EmptyName, BadName, Exists, NotFound, NoDevices, WriteFailed };

    struct Member {
        std::string name;
        int type = 0;   // a TWDeviceType
    };
    struct Group {
        std::string name;
        std::vector<std::string> devices;
    };

    explicit CDeviceGroups(const std::string& projectFolder);

    std::string GetFile() const;
    // Groups and their devices in file order.
    std::vector<Group> GetGroups() const;
    // The group's own spelling of a name given in any case; empty when unknown.
    std::string FindGroup(const std::string& name) const;

    // A new group of the devices (each once; names that cannot be keys are
    // left out); added counts them. The name is trimmed first.
    Result Create(const std::string& name, const std::vector<Member>& devices, int* added = nullptr);
    // Adds the devices the group does not hold yet; added counts them.
    Result Add(const std::string& name, const std::vector<Member>& devices, int* added = nullptr);

    // The name rules alone (after trimming): not empty, none of the
    // characters that a section name or a file name cannot carry.
    static Result CheckName(const std::string& name);
    static std::string Trim(const std::string& name);
    // What a Result other than Ok means, for the user; name is the group.
    std::string Describe(Result result, const std::string& name) const;

private:
    struct Lines;
    bool Load(Lines& lines) const;
    bool Save(const Lines& lines) const;

    std::string m_projectFolder;
};
