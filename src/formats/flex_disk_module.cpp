#include "formats/flex_disk_module.h"

#include <string>

#include "formats/text.h"

namespace vornak {

namespace {

using R = FailureReason;

constexpr const char* kNotRead = "Disk image not read: {}";

const Failure kNotADiskImage{R::UnknownFormat, 6, "Not a disk image",
                             "The file is neither the sectors of a FLEX disk nor an ImageDisk (.IMD) file.", nullptr};
const Failure kTeledisk{R::UnknownFormat, 6, kNotRead, "This disk image is {}.", nullptr};
const Failure kDamagedImageDisk{R::Damaged, 5, kNotRead,
                                "Vornak could not read this disk image: {}. Try a fresh copy of the image.", nullptr};
const Failure kNotFlex{R::UnknownFormat, 6, kNotRead,
                       "Vornak reads the FLEX disks of the Waveterm A, and this disk image is {}.", nullptr};
const Failure kNoSystemRecord{R::Damaged, 5, kNotRead,
                              "The disk image does not tell the disk's layout: it is {}. Try a fresh image of the disk.",
                              nullptr};
const Failure kHoldsFiles{
    R::NotABank, 1,
    "A disk image holds files, not a bank: name one after the image's name and a slash (disk.dsk/NAME.USR)",
    "This is a FLEX disk image: it holds files, and the banks among them are read one at a time. Open one of its "
    "files: the image's name, a slash and the file's name (disk.dsk/D001.USR).",
    nullptr};
const Failure kNoSuchFile{R::NoInput, 1, "No input file: {}; {}",
                          "Not on the disk: {}; {}. Choose one of its files by the name the disk gives it.", nullptr};
const Failure kBrokenChain{R::Damaged, 1, "No input file: {} cannot be read off the disk: {}",
                           "The file {} cannot be copied off the disk image: {}. The disk is damaged there; its other "
                           "files may still be read.",
                           nullptr};

// What a disk holds, for a name it does not: its first files by name.
std::string filesOf(const FlexDisk& disk) {
    constexpr std::size_t kNamed = 10;
    if (disk.files.empty()) return "it holds no files";
    std::vector<std::string> names;
    for (std::size_t i = 0; i < disk.files.size() && i < kNamed; ++i) names.push_back(disk.files[i].name);
    if (disk.files.size() > kNamed) names.push_back(cat({withThousands(disk.files.size() - kNamed), " more"}));
    return (disk.files.size() == 1 ? "its one file is " : "its files are ") + listed(names);
}

FlexDiskRead readOrFail(std::span<const std::uint8_t> bytes) {
    FlexDiskRead read = readFlexDisk(bytes);
    if (read.failure != FlexDiskFailure::None) fail(flexDiskFailure(read.failure), {read.words});
    return read;
}

// Read as a whole, a disk image is no bank: its own failure, or that.
void readWholeDisk(LoadInput& in) {
    readOrFail({in.data, in.size});
    fail(kHoldsFiles);
}

std::vector<std::uint8_t> takeOutFile(std::span<const std::uint8_t> bytes, std::string_view member, std::string& doubt) {
    const FlexDiskRead read = readOrFail(bytes);
    FlexFileRead file = readFlexFile(read.disk, member);
    if (file.failure == FlexFileFailure::NoSuchFile) fail(kNoSuchFile, {file.words, filesOf(read.disk)});
    if (file.failure == FlexFileFailure::BrokenChain) fail(kBrokenChain, {file.file->name, file.words});
    doubt = file.words;
    return std::move(file.bytes);
}

const InputFormat kInputs[] = {{
    .name = "FLEX disk image",
    .recognises = looksLikeDiskImage,
    .read = readWholeDisk,
    .takeOut = takeOutFile,
}};

const Failure* const kFailures[] = {&kNotADiskImage, &kTeledisk,  &kDamagedImageDisk, &kNotFlex,
                                    &kNoSystemRecord, &kHoldsFiles, &kNoSuchFile,       &kBrokenChain};

} // namespace

const Failure& flexDiskFailure(FlexDiskFailure failure) {
    switch (failure) {
    case FlexDiskFailure::Teledisk: return kTeledisk;
    case FlexDiskFailure::DamagedImageDisk: return kDamagedImageDisk;
    case FlexDiskFailure::NotFlex: return kNotFlex;
    case FlexDiskFailure::NoSystemRecord: return kNoSystemRecord;
    case FlexDiskFailure::None:
    case FlexDiskFailure::NotADiskImage: break;
    }
    return kNotADiskImage;
}

const FormatModule kFlexDiskModule{
    .readsUsage = {},
    .inputs = kInputs,
    .exports = {},
    .failures = kFailures,
};

} // namespace vornak
