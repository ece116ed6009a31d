#include "host/liveaccess/CTerminalText.h"

void CTerminalText::Append(std::string_view bytes)
{
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        switch (m_state) {
        case State::Text:
            if (c == 0x1b) {
                m_state = State::Escape;
            } else if (c == '\b') {
                if (!m_text.empty() && m_text.back() != '\n')
                    m_text.pop_back();
            } else if (c == '\n' || c == '\t' || c >= 0x20) {
                if (c == '\n' && !m_text.empty() && m_text.back() == '\r')
                    m_text.pop_back();
                if (c != 0x7f)
                    m_text += ch;
            } else if (c == '\r') {
                m_text += ch;
            }
            break;
        case State::Escape:
            m_state = c == '[' ? State::Csi : c == ']' ? State::Osc : State::Text;
            break;
        case State::Csi:
            // Parameters and intermediates run up to a final byte in @..~.
            if (c >= 0x40 && c <= 0x7e)
                m_state = State::Text;
            break;
        case State::Osc:
            if (c == 0x07)
                m_state = State::Text;
            else if (c == 0x1b)
                m_state = State::OscEscape;
            break;
        case State::OscEscape:
            m_state = State::Text;
            break;
        }
    }
}

std::string CTerminalText::Take()
{
    std::string text;
    text.swap(m_text);
    return text;
}
