#include "model/ppg_combi.h"

#include <cstring>

namespace vornak {

namespace {

// Group a's split keys start at byte 9, group b's at byte 17.
constexpr int kSplitOffset[2] = {9, 17};
// Group a sits in the upper bit fields of bytes 25 and 26, group b in the lower.
constexpr int kBkIndexShift[2] = {3, 0};
constexpr int kDetShift[2] = {2, 0};

std::uint8_t low8(std::int32_t v) { return static_cast<std::uint8_t>(v & 0xFF); }

// The bits of bytes 0..30 that the values hold.
constexpr PackedCombi kValueBits = [] {
    PackedCombi bits{};
    bits.fill(0xFF);
    bits[16] = bits[28] = bits[29] = bits[30] = 0;
    bits[25] = 0x3F;
    bits[26] = 0x0F;
    bits[31] = 0;
    return bits;
}();
constexpr int kMarkerByte = 31;

} // namespace

PpgCombi::PpgCombi(const std::uint8_t* packed) {
    clear();
    decode(packed);
}

void PpgCombi::clear() {
    std::memset(name, 0, sizeof name);
    used = 0;
    std::memset(bk, 0, sizeof bk);
    kbm = 0;
    firstByte = 0;
    multi = 0;
    groupA = CombiGroup{};
    groupB = CombiGroup{};
    spare = {};
}

void PpgCombi::decode(const std::uint8_t* p) {
    if (p == nullptr) return;
    used = p[kMarkerByte] == kCombiUsedMarker ? 1 : 0;
    for (int i = 0; i < kMarkerByte; ++i) spare[i] = static_cast<std::uint8_t>(p[i] & ~kValueBits[i]);
    spare[kMarkerByte] = used != 0 ? 0 : p[kMarkerByte];
    for (int i = 0; i < 8; ++i) bk[i] = p[1 + i];
    kbm = p[24];
    firstByte = p[0];
    multi = p[27];
    CombiGroup* groups[2] = {&groupA, &groupB};
    for (int g = 0; g < 2; ++g) {
        groups[g]->bkIndex = (p[25] >> kBkIndexShift[g]) & 7;
        groups[g]->det = (p[26] >> kDetShift[g]) & 3;
        for (int j = 0; j < 7; ++j) groups[g]->split[j] = p[kSplitOffset[g] + j];
    }
}

void PpgCombi::encode(std::uint8_t* p) const {
    std::memset(p, 0, kPackedCombiSize);
    p[kMarkerByte] = used != 0 ? kCombiUsedMarker : spare[kMarkerByte];
    for (int i = 0; i < 8; ++i) p[1 + i] = low8(bk[i]);
    p[24] = low8(kbm);
    p[0] = low8(firstByte);
    p[27] = low8(multi);
    const CombiGroup* groups[2] = {&groupA, &groupB};
    for (int g = 0; g < 2; ++g) {
        p[25] = static_cast<std::uint8_t>(p[25] | ((groups[g]->bkIndex & 7) << kBkIndexShift[g]));
        p[26] = static_cast<std::uint8_t>(p[26] | ((groups[g]->det & 3) << kDetShift[g]));
        for (int j = 0; j < 7; ++j) p[kSplitOffset[g] + j] = low8(groups[g]->split[j]);
    }
    for (int i = 0; i < kMarkerByte; ++i) p[i] = static_cast<std::uint8_t>(p[i] | spare[i]);
}

} // namespace vornak
