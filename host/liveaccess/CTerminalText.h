#pragma once
// Turns what a device's terminal sends into the text a captured log holds:
// escape sequences, NUL and other control bytes are dropped, a backspace
// takes back the character before it, and CR LF becomes LF.
#include <string>
#include <string_view>

class CTerminalText {
public:
    // Adds raw bytes; a sequence cut by the end of a read is finished by the next.
    void Append(std::string_view bytes);
    const std::string& Text() const { return m_text; }
    std::string Take();
    // Removes the first count characters (what a caller has consumed).
    void Consume(std::size_t count) { m_text.erase(0, count); }

private:
    enum class State { Text, Escape, Csi, Osc, OscEscape };
    State m_state = State::Text;
    std::string m_text;
};
