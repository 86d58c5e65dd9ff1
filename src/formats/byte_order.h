#pragma once

#include <cstdint>
#include <cstring>

namespace vornak {

// FXB-based files hold big-endian 32-bit words (integers and IEEE 754 single
// floats alike). swapWord turns the four bytes b0 b1 b2 b3 at p into the word
// b0*2^24 + b1*2^16 + b2*2^8 + b3 stored in host order; on a little-endian
// host that reverses them, on a big-endian host it changes nothing. The same
// call converts in both directions.
inline void swapWord(std::uint8_t* p) {
    const std::uint32_t v = (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) |
                            (std::uint32_t{p[2]} << 8) | std::uint32_t{p[3]};
    std::memcpy(p, &v, 4);
}

inline bool hostIsLittleEndian() {
    const char magic[4] = {'C', 'c', 'n', 'K'};
    std::uint32_t v;
    std::memcpy(&v, magic, 4);
    return v != 0x43636E4Bu;
}

// Words and floats held in host order inside a byte image.
inline std::uint32_t hostWord(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}
inline void setHostWord(std::uint8_t* p, std::uint32_t v) { std::memcpy(p, &v, 4); }
inline std::int32_t hostInt(const std::uint8_t* p) { return static_cast<std::int32_t>(hostWord(p)); }
inline float hostFloat(const std::uint8_t* p) {
    float f;
    std::memcpy(&f, p, 4);
    return f;
}
inline void setHostFloat(std::uint8_t* p, float f) { std::memcpy(p, &f, 4); }

// Big-endian words regardless of the host.
inline std::uint32_t bigEndianWord(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}
inline void setBigEndianWord(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
}

// Four-character FXB identifiers as the big-endian integer they read as.
constexpr std::uint32_t fourCC(const char (&s)[5]) {
    return (std::uint32_t(std::uint8_t(s[0])) << 24) | (std::uint32_t(std::uint8_t(s[1])) << 16) |
           (std::uint32_t(std::uint8_t(s[2])) << 8) | std::uint32_t(std::uint8_t(s[3]));
}

} // namespace vornak
