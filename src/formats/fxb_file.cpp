#include "formats/fxb_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <new>

namespace vornak {

namespace fxb {
void swapHeaderWords(std::uint8_t* p) {
    for (std::size_t w = 0; w < kHeaderWords; ++w) swapWord(p + 4 * w);
}

void putPrgName(std::uint8_t* p, const char* name) {
    std::size_t length = 0;
    while (length < kPrgNameSize && name[length] != '\0') ++length;
    std::memcpy(p + kPrgName, name, length);
    std::memset(p + kPrgName + length, 0, kPrgNameSize - length);
}
} // namespace fxb

using namespace fxb;

namespace {

std::unique_ptr<std::uint8_t[]> allocate(std::uint64_t size) {
    if (size > std::numeric_limits<std::uint32_t>::max()) return nullptr;
    return std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[size == 0 ? 1 : size]);
}

void swapWords(std::uint8_t* p, std::uint64_t count) {
    for (std::uint64_t w = 0; w < count; ++w) swapWord(p + 4 * w);
}

std::uint64_t blockSize(std::int64_t params) { return kBlockHeaderSize + 4 * static_cast<std::uint64_t>(params); }

} // namespace

FxbFile::FxbFile() : swapNeeded(hostIsLittleEndian()) {}

void FxbFile::clear() {
    image.reset();
    imageSize = 0;
    usedSize = 0;
    isChunkBank = false;
}

bool FxbFile::createParamBank(int n, int m) {
    if (n < 0 || m < 0) return false;
    const std::uint64_t size = kBankHeaderSize + static_cast<std::uint64_t>(n) * blockSize(m);
    auto fresh = allocate(size);
    if (!fresh) return false;
    clear();
    image = std::move(fresh);
    imageSize = static_cast<std::uint32_t>(size);
    usedSize = size;
    std::memset(image.get(), 0, size);
    setHeaderWord(kChunkMagic, kCcnK);
    setHeaderWord(kByteSize, imageSize - 8);
    setHeaderWord(kFxMagic, kFxBk);
    setHeaderWord(kVersion, 2);
    setHeaderWord(kNumPrograms, static_cast<std::uint32_t>(n));
    for (int i = 0; i < n; ++i) {
        std::uint8_t* block = image.get() + kBankHeaderSize + static_cast<std::uint64_t>(i) * blockSize(m);
        setHostWord(block + kChunkMagic, kCcnK);
        setHostWord(block + kByteSize, static_cast<std::uint32_t>(48 + 4 * m));
        setHostWord(block + kFxMagic, kFxCk);
        setHostWord(block + kVersion, 1);
        setHostWord(block + kNumParams, static_cast<std::uint32_t>(m));
    }
    return true;
}

bool FxbFile::createChunkBank(int s) {
    if (s < 0) return false;
    const std::uint64_t size = kChunkDataOffset + static_cast<std::uint64_t>(s);
    auto fresh = allocate(size);
    if (!fresh) return false;
    clear();
    image = std::move(fresh);
    imageSize = static_cast<std::uint32_t>(size);
    usedSize = size;
    isChunkBank = true;
    std::memset(image.get(), 0, size);
    setHeaderWord(kChunkSizeOffset, static_cast<std::uint32_t>(s));
    setHeaderWord(kChunkMagic, kCcnK);
    setHeaderWord(kByteSize, static_cast<std::uint32_t>(s) + 152);
    setHeaderWord(kFxMagic, kFBCh);
    setHeaderWord(kVersion, 2);
    setHeaderWord(kNumPrograms, 1);
    return true;
}

bool FxbFile::parse(const std::uint8_t* bytes, std::size_t length) {
    auto copy = allocate(length);
    if (!copy) return false;
    if (length != 0) std::memcpy(copy.get(), bytes, length);
    std::uint8_t* img = copy.get();

    if (length < kHeaderWords * 4) return false;
    if (swapNeeded) swapHeaderWords(img);
    if (hostWord(img + kChunkMagic) != kCcnK || hostInt(img + kVersion) > 2) return false;

    const std::uint32_t fxMagic = hostWord(img + kFxMagic);
    std::uint64_t used = 0;
    if (fxMagic == kFxBk) {
        // Blocks back to back from offset 156, each with its own parameter count.
        const std::int32_t programs = hostInt(img + kNumPrograms);
        std::uint64_t offset = kBankHeaderSize;
        for (std::int32_t i = 0; i < programs; ++i) {
            if (offset + kBlockHeaderSize > length) return false;
            std::uint8_t* block = img + offset;
            if (swapNeeded) swapHeaderWords(block);
            if (hostWord(block + kChunkMagic) != kCcnK || hostWord(block + kFxMagic) != kFxCk) return false;
            const std::int32_t params = hostInt(block + kNumParams);
            if (params < 0 || offset + blockSize(params) > length) return false;
            if (swapNeeded) swapWords(block + kBlockHeaderSize, static_cast<std::uint64_t>(params));
            offset += blockSize(params);
        }
        used = std::min<std::uint64_t>(offset, length);
    } else if (fxMagic == kFBCh) {
        if (length < kChunkDataOffset) return false;
        if (swapNeeded) swapWord(img + kChunkSizeOffset);
        used = kChunkDataOffset + std::uint64_t{hostWord(img + kChunkSizeOffset)};
        if (used > length) return false;
    } else {
        return false;
    }

    image = std::move(copy);
    imageSize = static_cast<std::uint32_t>(length);
    usedSize = used;
    isChunkBank = fxMagic == kFBCh;
    return true;
}

std::vector<std::uint8_t> FxbFile::fileBytes() const {
    std::vector<std::uint8_t> bytes;
    if (!image) return bytes;
    try {
        bytes.assign(image.get(), image.get() + imageSize);
    } catch (const std::bad_alloc&) {
        return {};
    }
    std::uint8_t* img = bytes.data();

    if (swapNeeded) {
        const std::int32_t programs = hostInt(img + kNumPrograms);
        swapHeaderWords(img);
        if (isChunkBank) {
            swapWord(img + kChunkSizeOffset);
        } else if (programs > 0 && imageSize >= kBankHeaderSize + kBlockHeaderSize) {
            // Every block is converted with the first block's parameter count.
            const std::int32_t params = hostInt(img + kBankHeaderSize + kNumParams);
            const std::uint64_t stride = params < 0 ? kBlockHeaderSize : blockSize(params);
            std::uint64_t offset = kBankHeaderSize;
            for (std::int32_t i = 0; i < programs && offset + stride <= imageSize; ++i, offset += stride) {
                swapHeaderWords(img + offset);
                if (params > 0) swapWords(img + offset + kBlockHeaderSize, static_cast<std::uint64_t>(params));
            }
        }
    }
    return bytes;
}

std::uint8_t* FxbFile::programBlock(int i) {
    if (!image || isChunkBank || i < 0 || imageSize < kBankHeaderSize + kBlockHeaderSize) return nullptr;
    const std::int32_t params = hostInt(image.get() + kBankHeaderSize + kNumParams);
    if (params < 0) return nullptr;
    const std::uint64_t offset = kBankHeaderSize + static_cast<std::uint64_t>(i) * blockSize(params);
    if (offset + blockSize(params) > imageSize) return nullptr;
    return image.get() + offset;
}

std::uint8_t* FxbFile::chunkData() { return image && isChunkBank ? image.get() + kChunkDataOffset : nullptr; }

std::uint32_t FxbFile::chunkSize() const {
    return image && isChunkBank ? hostWord(image.get() + kChunkSizeOffset) : 0;
}

void FxbFile::setInEveryHeader(std::size_t offset, std::uint32_t value) {
    if (!image) return;
    setHeaderWord(offset, value);
    if (isChunkBank) return;
    const std::int32_t programs = hostInt(image.get() + kNumPrograms);
    for (std::int32_t i = 0; i < programs; ++i) {
        std::uint8_t* block = programBlock(i);
        if (block == nullptr) break;
        setHostWord(block + offset, value);
    }
}

void FxbFile::setFxId(std::uint32_t id) { setInEveryHeader(kFxId, id); }
void FxbFile::setFxVersion(std::uint32_t value) { setInEveryHeader(kFxVersion, value); }

constexpr const char* kNotLoaded = "Can't load .fxb file";

const Failure kFxbPreset{
    FailureReason::NotABank, 3, kNotLoaded,
    "This is a single program (an FXP preset), not a bank. Vornak reads whole banks: save the bank (.fxb) from the "
    "plug-in instead.",
    nullptr};
const Failure kFxbNeither{
    FailureReason::NotABank, 3, kNotLoaded,
    "The file starts like an FXB file, but it is neither a bank of programs nor a chunk bank. Vornak reads Waldorf "
    "2.V, Halvic and Corvel banks.",
    nullptr};
const Failure kFxbDamaged{
    FailureReason::Damaged, 3, kNotLoaded,
    "The file starts like an FXB bank, but its sizes do not match its contents: it is damaged or cut short. Try a "
    "fresh copy from where it came from.",
    nullptr};

void parseFxbInput(LoadInput& in, FxbFile& file) {
    if (file.parse(in.data, in.size)) {
        in.fxb = &file;
        return;
    }
    const std::uint32_t kind = in.size >= 12 ? bigEndianWord(in.data + kFxMagic) : 0;
    if (kind == kFxCk || kind == kFPCh) fail(kFxbPreset);
    if (in.size >= 12 && kind != kFxBk && kind != kFBCh) fail(kFxbNeither);
    fail(kFxbDamaged);
}

void noteFxbTrailing(LoadInput& in, const FxbFile& file) {
    noteTrailing(in, static_cast<std::size_t>(file.usedSize), "the end of the bank's data");
}

} // namespace vornak
