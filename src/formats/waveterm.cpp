#include "formats/waveterm.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "formats/memory_image.h"
#include "formats/text.h"

namespace vornak {

namespace {

constexpr std::size_t kFlexRecordBytes = 255;
constexpr std::size_t kWavetermBMinimumSize = kWavetermBImageOffset + kBankImageSize;
constexpr std::size_t kNameFieldOffset = 38;
constexpr std::size_t kNameFieldSize = 64;
constexpr std::size_t kLengthOffset = 20;
constexpr std::size_t kSignatureSize = 2;

const Failure kWavetermBInvalid{
    FailureReason::Damaged, 5, "Invalid Waveterm B Dxxx.USR file",
    "The file starts like a Waveterm B file (\"WB\"), but it is too short or the length of its data is wrong. Try a "
    "fresh copy from the disk.",
    nullptr};
const Failure kFlexInvalid{
    FailureReason::Damaged, 5, "Invalid FLEX file",
    "The file starts with byte 02, as Waveterm A (FLEX) files do, but its first load record is damaged. If it is not "
    "a Waveterm A file, it is in a format Vornak does not read.",
    nullptr};

} // namespace

bool readFlexRecord(ByteCursor& c, FlexRecord& record) {
    std::uint8_t kind = 0;
    do {
        if (c.pos == c.end) return false;
        kind = *c.pos++;
    } while (kind == 0x00);

    const std::size_t left = static_cast<std::size_t>(c.end - c.pos);
    if (kind == kFlexTransfer) {
        if (left < 2) return false;
        record.kind = kind;
        record.address = static_cast<std::uint16_t>((c.pos[0] << 8) | c.pos[1]);
        record.count = 0;
        c.pos += 2;
        return true;
    }
    if (kind != kFlexData || left < 3 || left - 3 < c.pos[2]) return false;
    record.kind = kind;
    record.address = static_cast<std::uint16_t>((c.pos[0] << 8) | c.pos[1]);
    record.count = c.pos[2];
    std::memcpy(record.data, c.pos + 3, record.count);
    c.pos += 3 + record.count;
    return true;
}

bool parseWavetermA(const std::uint8_t* data, std::size_t size, std::uint8_t* work, FlexScan* scan) {
    ByteCursor cursor{data, data + size};
    FlexRecord record;
    if (!readFlexRecord(cursor, record)) return false;
    std::bitset<kBankImageSize> placed;
    const std::uint8_t* stop = nullptr;
    do {
        if (record.kind == kFlexData && record.count != 0) {
            const std::size_t room = kWorkImageSize - record.address;
            std::memcpy(work + record.address, record.data, std::min<std::size_t>(record.count, room));
            for (std::size_t a = record.address; a < std::size_t{record.address} + record.count && a < kBankImageSize; ++a)
                placed.set(a);
        }
        stop = cursor.pos;
    } while (readFlexRecord(cursor, record));
    if (scan != nullptr) {
        // The stream ended at the first byte after the last record that is
        // not zero padding, or at the end of the file.
        while (stop != cursor.end && *stop == 0x00) ++stop;
        scan->placed = placed;
        scan->bytesAfterRecords = static_cast<std::size_t>(cursor.end - stop);
    }
    return true;
}

bool parseWavetermB(const std::uint8_t* data, std::size_t size, std::uint8_t* work) {
    // `data` starts behind the two signature bytes; the constants are file offsets.
    auto at = [data](std::size_t fileOffset) { return data + (fileOffset - kSignatureSize); };
    if (size + kSignatureSize < kWavetermBMinimumSize) return false;
    const unsigned length = at(kLengthOffset)[0] * 256u + at(kLengthOffset)[1];
    if (length < kBankImageSize) return false;
    std::memcpy(work, at(kWavetermBImageOffset), kBankImageSize);

    char name[kNameFieldSize + 1] = {};
    std::memcpy(name, at(kNameFieldOffset), kNameFieldSize);
    for (std::size_t i = kNameFieldSize; i > 0 && name[i - 1] == ' '; --i) name[i - 1] = '\0';
    std::memcpy(work + kWorkNameOffset, name, std::strlen(name) + 1);
    return true;
}

bool takeWorkImageName(const std::uint8_t* work, char (&name)[kProgramNameSize]) {
    const std::size_t room = kWorkImageSize - kWorkNameOffset;
    return setName(name, reinterpret_cast<const char*>(work + kWorkNameOffset), room);
}

std::vector<std::uint8_t> exportWavetermA(const PpgBank& bank, int rangeStart, int rangeEnd) {
    BankImage image{};
    bank.storeImage(image.data(), rangeStart, rangeEnd);
    std::vector<std::uint8_t> file(kWavetermAFileSize);
    std::size_t out = 0;
    for (std::size_t address = 0; address < kBankImageSize; address += kFlexRecordBytes) {
        const std::size_t n = std::min(kFlexRecordBytes, kBankImageSize - address);
        file[out++] = kFlexData;
        file[out++] = static_cast<std::uint8_t>(address >> 8);
        file[out++] = static_cast<std::uint8_t>(address & 0xFF);
        file[out++] = static_cast<std::uint8_t>(n);
        std::memcpy(file.data() + out, image.data() + address, n);
        out += n;
    }
    return file;
}

std::vector<std::uint8_t> exportWavetermB(const PpgBank& bank, int rangeStart, int rangeEnd) {
    std::vector<std::uint8_t> image(kBankImageSize, 0);
    bank.storeImage(image.data(), rangeStart, rangeEnd);
    return image;
}

namespace {

// Both Waveterm readers fill a zeroed work image, from which the memory image
// and the bank name are taken.
void takeWorkImage(LoadInput& in, const std::vector<std::uint8_t>& work, ModelHint hint, bool takesSwitch) {
    in.bank.loadImage(work.data(), hint);
    noteModelGuess(in, work.data(), hint, takesSwitch);
    if (work[kWorkNameOffset] == 0 || !takeWorkImageName(work.data(), in.bank.name)) return;
    const auto* name = reinterpret_cast<const char*>(work.data() + kWorkNameOffset);
    noteCutBankName(in, strnlen(name, work.size() - kWorkNameOffset));
}

void readB(LoadInput& in) {
    std::vector<std::uint8_t> work(kWorkImageSize, 0);
    if (!parseWavetermB(in.data + 2, in.size - 2, work.data()))
        fail(kWavetermBInvalid);
    takeWorkImage(in, work, in.hint, true);
    // The header's data length L: the image and L - 5120 more bytes.
    const std::size_t length = in.data[20] * 256u + in.data[21];
    const std::size_t announced = kWavetermBImageOffset + length;
    if (in.size < announced) {
        distrust(in, Damage::Cut, 0, 0);
        note(in, NoteCode::CountMismatch,
             cat({"The file's header announces ", withThousands(length), " bytes of data, but the file ends after ",
                  withThousands(in.size - kWavetermBImageOffset), " of them; the ", withThousands(kBankImageSize),
                  " bytes of the program memory are all there."}));
    }
    // Data beyond the memory image, which the header announces, is not read.
    const std::size_t imageEnd = kWavetermBImageOffset + kBankImageSize;
    const std::size_t beyond = std::min(in.size, announced) - std::min(std::min(in.size, announced), imageEnd);
    if (beyond > 0)
        note(in, NoteCode::TrailingBytes,
             cat({withThousands(beyond), beyond == 1 ? " byte" : " bytes", " of data that the header announces ",
                  beyond == 1 ? "follows the program memory and is" : "follow the program memory and are", " not read."}));
    noteTrailing(in, announced, "the data that the file's header announces");
}

// Waveterm A files carry no model hint of their own and the switch is not
// applied to them (their row says so): the image decides. The record scan
// is bounded by the file's size, so it needs no end marker behind the data.
void readA(LoadInput& in) {
    std::vector<std::uint8_t> work(kWorkImageSize, 0);
    FlexScan scan;
    if (!parseWavetermA(in.data, in.size, work.data(), &scan))
        fail(kFlexInvalid);
    takeWorkImage(in, work, in.hint, false);
    if (!scan.placed.all()) {
        note(in, NoteCode::PartialImage,
             cat({"The file's load records fill only ", withThousands(scan.placed.count()), " of the ",
                  withThousands(kBankImageSize), " bytes of the program memory; the rest is read as zeros."}));
        // The programs not wholly placed.
        distrust(in, Damage::Cut, 0, 0);
        for (int p = 0; p < in.bank.programCount(); ++p)
            for (int at = p * kPackedProgramSize; at < (p + 1) * kPackedProgramSize; ++at)
                if (!scan.placed.test(static_cast<std::size_t>(at))) {
                    distrust(in, Damage::Cut, p, p + 1);
                    break;
                }
    }
    noteTrailing(in, in.size - scan.bytesAfterRecords, "the last load record");
}

// A memory image that the model can carry whole is clean in one of the two
// layouts, whatever the hint: a Wave 2.3 memory with no combi in use reads
// as a Wave 2.2 memory without /2.3, and is still a program bank.
void readMemoryImage(LoadInput& in) {
    in.bank.loadImage(in.data, in.hint);
    noteModelGuess(in, in.data, in.hint);
    const bool clean = cleanInEitherLayout(in.data);
    const std::size_t image = kBankImageSize;
    if (in.size != image || !clean) {
        const bool whole = in.size == image;
        note(in, NoteCode::BareImage,
             cat({"The file has no header of a known kind, so ", whole ? "it was read as a bare PPG memory image ("
                                                                       : "its first ",
                  withThousands(image), whole ? " bytes)." : " bytes were read as a bare PPG memory image.",
                  clean ? "" : " Bits that a PPG memory always leaves empty are set in them: this is probably not a program bank."}));
    }
    noteTrailing(in, image, "the memory image");
}

template <std::vector<std::uint8_t> (*Export)(const PpgBank&, int, int)>
std::vector<std::uint8_t> exportRequested(const PpgBank& bank, const ExportRequest& r) {
    return Export(bank, r.rangeStart, r.rangeEnd);
}

const char* const kReadsUsage[] = {
    "Waveterm A files (.USR, created by PELTAX)",
    "Waveterm B files (.USR, created by PELTBX)",
};

const InputFormat kInputs[] = {
    {
        .name = "Waveterm A file",
        .magic = kWavetermAMagic,
        .takesModelHint = false,
        .writtenBy = ExportKind::WavetermA,
        .read = readA,
    },
    {
        .name = "Waveterm B file",
        .magic = kWavetermBMagic,
        // Written without its header, as the bare image.
        .writtenBy = ExportKind::WavetermB,
        .read = readB,
    },
    {
        .name = "PPG memory image",
        .minimumSize = kBankImageSize,
        .writtenBy = ExportKind::WavetermB,
        .read = readMemoryImage,
    },
};

const ExportFormat kExports[] = {
    {
        .kind = ExportKind::WavetermA,
        .letter = 'a',
        .name = "Waveterm A file",
        .extension = ".usr",
        .layout = &kImageLayout,
        .exporter = exportRequested<exportWavetermA>,
        .readsAs = &kInputs[0],
        .usage = "exports to a Waveterm A Dxxx.USR file of given name",
        .usagePlace = 5,
        .label = "Waveterm A",
    },
    {
        .kind = ExportKind::WavetermB,
        .letter = 'b',
        .name = "Waveterm B file (the bare memory image)",
        .extension = ".usr",
        .layout = &kImageLayout,
        .exporter = exportRequested<exportWavetermB>,
        .readsAs = &kInputs[2],
        .usage = "exports to a Waveterm B Dxxx.USR file of given name",
        .usageMore = "(which in effect is just the binary compressed data)",
        .usagePlace = 6,
        .label = "Waveterm B",
    },
};

const Failure* const kFailures[] = {&kWavetermBInvalid, &kFlexInvalid};

} // namespace

const FormatModule kWavetermModule{
    .readsUsage = kReadsUsage,
    .inputs = kInputs,
    .exports = kExports,
    .failures = kFailures,
};

} // namespace vornak
