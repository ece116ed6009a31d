#pragma once
// What a long file operation tells the window that shows its progress, and
// asks it: whether the user has cancelled. Called on the thread doing the work.
#include <cstdint>
#include <string>

namespace platform {

class IWorkControl {
public:
    virtual ~IWorkControl() = default;

    virtual bool IsCancelled() const = 0;
    // The size of the whole job in units of the operation's choosing.
    virtual void SetTotal(std::uint64_t units) = 0;
    // Part of an entry is done (a block of a large file).
    virtual void Advance(std::uint64_t units) = 0;
    // One file or folder is done; name is what the window shows.
    virtual void EntryDone(const std::string& name, std::uint64_t units) = 0;
};

// Work that nobody watches: never cancelled, progress goes nowhere.
class UnwatchedWork final : public IWorkControl {
public:
    bool IsCancelled() const override { return false; }
    void SetTotal(std::uint64_t) override {}
    void Advance(std::uint64_t) override {}
    void EntryDone(const std::string&, std::uint64_t) override {}
};

} // namespace platform
