#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "formats/byte_order.h"
#include "formats/format_module.h"
#include "model/failure.h"
#include "model/ppg_bank.h"

namespace vornak {

// Corvel sound banks (.CRV) keep a whole bank field by field in FXB-style
// blocks, every word big-endian, every value a float:
//   bank header    156 bytes  "CcnK" "FxBk" fxID "ZurO", numPrograms P + C + 1
//   globals chunk   68 bytes  "FxCk" "CrVl", 3 floats: P, C, bank is2V; name
//   P program chunks 632 bytes  144 floats: program values 0..28, group A
//                              0..56, group B 0..56, is2V; program name
//   C combi chunks  176 bytes  30 floats: used, bk[8], kbm, firstByte, multi,
//                              then bkIndex, det, split[7] of group a and b
// byteSize is written 0 and never checked. Program chunks of fxVersion 1 use
// an older layout without program value 14 and group A parameter 14.
constexpr std::uint32_t kCorvelBankId = fourCC("ZurO");
constexpr std::uint32_t kCorvelChunkId = fourCC("CrVl");

// The bytes of one Corvel file and the direction of the transfer. Reading
// walks a caller's buffer, which must outlive the stream, and never past its
// end; writing appends to a growing buffer of the stream's own.
class CorvelStream {
public:
    // Reading the `size` bytes at `data` (none when size is 0).
    CorvelStream(const std::uint8_t* data, std::size_t size) : reading(true), data_(data), size_(size) {}
    // Writing into an empty buffer.
    CorvelStream() : reading(false) {}
    CorvelStream(const CorvelStream&) = delete;
    CorvelStream& operator=(const CorvelStream&) = delete;

    // Reads exactly n bytes or fails with `shortRead`; nothing is taken then.
    void read(std::uint8_t* p, std::size_t n, const Failure& shortRead);
    // Appends n bytes (std::bad_alloc when there is no memory for them).
    void write(const std::uint8_t* p, std::size_t n);
    // Reading: the bytes not read yet.
    std::size_t bytesLeft() const { return size_ - at_; }
    // Writing: everything written so far.
    const std::vector<std::uint8_t>& written() const { return out_; }

    const bool reading;
    // Reading: names of 28 characters, cut to the 27 a name keeps, and the
    // programs among them.
    int namesCut = 0;
    std::vector<int> programNamesCut;

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t at_ = 0;
    std::vector<std::uint8_t> out_;
};

// One routine per object serves both directions. Reading fails with the
// reader's own failures, whose exit codes (1, 2, 3, 4, 6, 10, 11, 12) the
// tool gives without a message; a read past the end of the bytes fails as
// the read that fell short.
void streamCorvel(PpgBank& bank, CorvelStream& stream);
void streamCorvel(PpgProgram& program, CorvelStream& stream);
void streamCorvel(PpgCombi& combi, CorvelStream& stream);

// The whole bank as a Corvel file, whatever range or group was asked for:
// the file's bytes (empty when memory runs out).
std::vector<std::uint8_t> exportCorvel(const PpgBank& bank);

// A Corvel bank holds everything of every program (kCorvelLayout).
extern const ExportLayout kCorvelLayout;

// The module: read from an FXB bank of the librarian's identifier, exported
// with /W.
extern const FormatModule kCorvelModule;

} // namespace vornak
