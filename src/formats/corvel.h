#pragma once

#include <cstdio>

#include "formats/byte_order.h"
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

// An open file and the direction of the transfer; closes the file when
// destroyed.
class CorvelStream {
public:
    CorvelStream(std::FILE* file, bool reading) : file(file), reading(reading) {}
    virtual ~CorvelStream() { close(); }
    CorvelStream(const CorvelStream&) = delete;
    CorvelStream& operator=(const CorvelStream&) = delete;

    // Closes the file; false when there was none or closing failed (the last
    // buffered bytes could not be written).
    bool close();
    // Reads exactly n bytes or throws `code`.
    void read(std::uint8_t* p, std::size_t n, int code);
    // Writes exactly n bytes or throws 99.
    void write(const std::uint8_t* p, std::size_t n);

    std::FILE* file;
    bool reading;
};

// One routine per object serves both directions; failures throw CodeError
// with the reader's codes (1, 2, 3, 4, 6, 10, 11, 12) or 99 when writing.
void streamCorvel(PpgBank& bank, CorvelStream& stream);
void streamCorvel(PpgProgram& program, CorvelStream& stream);
void streamCorvel(PpgCombi& combi, CorvelStream& stream);

// Writes the whole bank, whatever range or group was asked for; 0 or 1.
int exportCorvel(const PpgBank& bank, const char* path);

} // namespace vornak
