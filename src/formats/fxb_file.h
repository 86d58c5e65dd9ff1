#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "formats/byte_order.h"
#include "formats/format_module.h"

namespace vornak {

// FXB plug-in bank file. Every word below is a 32-bit big-endian integer in
// the file and is held in host order while an FxbFile holds the image.
//
// Bank header, 156 bytes:
//   0 chunkMagic "CcnK"   4 byteSize (size - 8)   8 fxMagic "FxBk" or "FBCh"
//   12 version (<= 2)     16 fxID                 20 fxVersion
//   24 numPrograms        28 128 reserved bytes, never converted
// Parameter bank ("FxBk"): numPrograms program blocks from offset 156.
// Chunk bank ("FBCh"): chunkSize at 156, chunk data from 160, never converted.
//
// Program block ("FxCk"), 56 + 4 x numParams bytes:
//   0 chunkMagic "CcnK"   4 byteSize (48 + 4M)    8 fxMagic "FxCk"
//   12 version            16 fxID                 20 fxVersion
//   24 numParams          28 prgName, 28 bytes    56 numParams floats
namespace fxb {
// Every FXB file starts with "CcnK".
inline constexpr std::uint8_t kMagic[4] = {'C', 'c', 'n', 'K'};
constexpr std::uint32_t kCcnK = fourCC("CcnK");
constexpr std::uint32_t kFxBk = fourCC("FxBk");
constexpr std::uint32_t kFBCh = fourCC("FBCh");
constexpr std::uint32_t kFxCk = fourCC("FxCk");
constexpr std::uint32_t kFPCh = fourCC("FPCh");

// Offsets of the header words, the same in the bank header and in a block.
constexpr std::size_t kChunkMagic = 0;
constexpr std::size_t kByteSize = 4;
constexpr std::size_t kFxMagic = 8;
constexpr std::size_t kVersion = 12;
constexpr std::size_t kFxId = 16;
constexpr std::size_t kFxVersion = 20;
constexpr std::size_t kNumPrograms = 24;
constexpr std::size_t kNumParams = 24;
constexpr std::size_t kPrgName = 28;
constexpr std::size_t kPrgNameSize = 28;
constexpr std::size_t kHeaderWords = 7;

constexpr std::size_t kBankHeaderSize = 156;
constexpr std::size_t kBlockHeaderSize = 56;
constexpr std::size_t kChunkSizeOffset = 156;
constexpr std::size_t kChunkDataOffset = 160;

// Converts the seven header words at p between file and host order.
void swapHeaderWords(std::uint8_t* p);
// Writes a name into the prgName field of the block at p: at most 28
// characters, up to the name's NUL, the rest of the field NUL.
void putPrgName(std::uint8_t* p, const char* name);
} // namespace fxb

class FxbFile {
public:
    FxbFile();
    FxbFile(const FxbFile&) = delete;
    FxbFile& operator=(const FxbFile&) = delete;

    void clear();
    // A new zeroed parameter bank of n blocks of m parameters.
    bool createParamBank(int n, int m);
    // A new zeroed chunk bank with a chunk of s bytes.
    bool createChunkBank(int s);
    // Validates a copy of the bytes and, on success, holds it instead of the
    // previous image; on failure the previous image stays.
    bool parse(const std::uint8_t* bytes, std::size_t length);
    // The image in file order: the file's bytes; empty without an image or
    // when memory runs out. The held image is not changed.
    std::vector<std::uint8_t> fileBytes() const;

    // Parameter bank: block i, located with the first block's parameter
    // count; nullptr for a chunk bank or when the block is not in the image.
    std::uint8_t* programBlock(int i);
    std::uint8_t* chunkData();
    std::uint32_t chunkSize() const;
    void setFxId(std::uint32_t id);
    void setFxVersion(std::uint32_t value);

    // A header word in host order (offset within the bank header).
    std::uint32_t headerWord(std::size_t offset) const { return hostWord(image.get() + offset); }
    void setHeaderWord(std::size_t offset, std::uint32_t v) { setHostWord(image.get() + offset, v); }

    std::unique_ptr<std::uint8_t[]> image;
    std::uint32_t imageSize = 0;
    // After parse: where what the container holds ends (the end of the last
    // program block walked, or of the chunk); bytes from there on are extra.
    std::uint64_t usedSize = 0;
    bool isChunkBank = false;
    bool swapNeeded;

private:
    void setInEveryHeader(std::size_t offset, std::uint32_t value);
};

// ---- Reading plug-in banks -----------------------------------------------

// The container is parsed once for all the plug-in banks it may hold: the
// input's bytes into `file`, which the loader then hands to the reader of
// the plug-in's row (LoadInput::fxb). Fails as a file that starts like an
// FXB file but is no bank: one program, neither kind of bank, or damaged.
void parseFxbInput(LoadInput& in, FxbFile& file);
// The note on bytes after the end of the container's data.
void noteFxbTrailing(LoadInput& in, const FxbFile& file);

// A file that starts like an FXB file but whose container does not hold
// together has no plug-in to name.
inline constexpr const char* kFxbContainerName = "FXB bank";

// The failures of the container, whatever plug-in it is for.
extern const Failure kFxbPreset;
extern const Failure kFxbNeither;
extern const Failure kFxbDamaged;

} // namespace vornak
