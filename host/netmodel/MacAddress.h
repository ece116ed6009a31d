#pragma once
// A 48-bit MAC address read from any of the spellings devices print:
// "aabb.ccdd.eeff" (Cisco), "aa:bb:cc:dd:ee:ff", "aa-bb-cc-dd-ee-ff", "aabbccddeeff".
#include <array>
#include <cstdint>
#include <string>

class MacAddress {
public:
    MacAddress() = default;
    // Invalid (IsValid() false) when the text is none of the spellings above.
    explicit MacAddress(const std::string& text);

    bool IsValid() const { return m_valid; }
    // Cisco dotted form in lower case ("aabb.ccdd.eeff"); empty when invalid.
    std::string ToString() const;
    const std::array<std::uint8_t, 6>& GetBytes() const { return m_bytes; }

    friend bool operator==(const MacAddress&, const MacAddress&) = default;

private:
    std::array<std::uint8_t, 6> m_bytes{};
    bool m_valid = false;
};
