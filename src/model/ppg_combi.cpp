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

namespace {

constexpr std::int32_t kShownKbm = 0x7F;

constexpr std::array<CombiValue, kCombiValueCount> makeCombiValues() {
    constexpr const char* bk[8] = {"BK 1", "BK 2", "BK 3", "BK 4", "BK 5", "BK 6", "BK 7", "BK 8"};
    constexpr const char* groupBk[2] = {"GR:a BK", "GR:b BK"};
    constexpr const char* det[2] = {"GR:a DET", "GR:b DET"};
    constexpr const char* split[2][7] = {
        {"GR:a SPL 1", "GR:a SPL 2", "GR:a SPL 3", "GR:a SPL 4", "GR:a SPL 5", "GR:a SPL 6", "GR:a SPL 7"},
        {"GR:b SPL 1", "GR:b SPL 2", "GR:b SPL 3", "GR:b SPL 4", "GR:b SPL 5", "GR:b SPL 6", "GR:b SPL 7"}};
    std::array<CombiValue, kCombiValueCount> values{};
    std::size_t n = 0;
    for (std::uint8_t i = 0; i < 8; ++i) values[n++] = {bk[i], CombiField::Bk, 0, i, 255};
    values[n++] = {"KBM", CombiField::Kbm, 0, 0, kShownKbm};
    values[n++] = {"MULTI", CombiField::Multi, 0, 0, 255};
    for (std::uint8_t g = 0; g < 2; ++g) {
        values[n++] = {groupBk[g], CombiField::GroupBk, g, 0, 7};
        values[n++] = {det[g], CombiField::GroupDet, g, 0, 3};
        for (std::uint8_t j = 0; j < 7; ++j) values[n++] = {split[g][j], CombiField::Split, g, j, 255};
    }
    return values;
}

// The field of the combi that holds the value (all of KBM).
template <typename Combi>
auto& fieldOf(Combi& combi, const CombiValue& v) {
    auto& group = v.group == 0 ? combi.groupA : combi.groupB;
    switch (v.field) {
    case CombiField::Bk: return combi.bk[v.index];
    case CombiField::Kbm: return combi.kbm;
    case CombiField::Multi: return combi.multi;
    case CombiField::GroupBk: return group.bkIndex;
    case CombiField::GroupDet: return group.det;
    case CombiField::Split: break;
    }
    return group.split[v.index];
}

} // namespace

const std::array<CombiValue, kCombiValueCount> kCombiValues = makeCombiValues();

const CombiValue* combiValue(std::string_view label) {
    for (const CombiValue& v : kCombiValues)
        if (label == v.label) return &v;
    return nullptr;
}

std::int32_t shownValue(const PpgCombi& combi, const CombiValue& value) {
    const std::int32_t v = fieldOf(combi, value);
    return value.field == CombiField::Kbm ? v & kShownKbm : v;
}

void setValue(PpgCombi& combi, const CombiValue& value, std::int32_t v) {
    std::int32_t& field = fieldOf(combi, value);
    field = value.field == CombiField::Kbm ? (field & ~kShownKbm) | (v & kShownKbm) : v;
}

} // namespace vornak
