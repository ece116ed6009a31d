#pragma once
// Shows the busy cursor for the lifetime of the guard; does nothing where no
// GUI application runs (command-line tools, worker threads).
namespace platform {

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_active = false;
};

} // namespace platform
