#include "formats/flex_disk.h"

#include <algorithm>
#include <cstring>

#include "formats/disk_image.h"

namespace vornak {

namespace {

// System Information Record
constexpr std::size_t kSirLabel = 0x10;
constexpr std::size_t kSirLabelSize = 11;
constexpr std::size_t kSirVolume = 0x1B;
constexpr std::size_t kSirFirstFree = 0x1D;
constexpr std::size_t kSirLastFree = 0x1F;
constexpr std::size_t kSirFreeCount = 0x21;
constexpr std::size_t kSirDate = 0x23;
constexpr std::size_t kSirLastTrack = 0x26;
constexpr std::size_t kSirSectorsPerTrack = 0x27;

// Directory sector and entry
constexpr std::size_t kDirectoryEntries = 16;
constexpr std::size_t kEntrySize = 24;
constexpr std::size_t kEntriesPerSector = 10;
constexpr std::size_t kEntryNameSize = 8;
constexpr std::size_t kEntryExtension = 8;
constexpr std::size_t kEntryExtensionSize = 3;
constexpr std::size_t kEntryAttributes = 11;
constexpr std::size_t kEntryFirst = 13;
constexpr std::size_t kEntrySectors = 17;
constexpr std::size_t kEntryRandom = 19;
constexpr std::size_t kEntryDate = 21;
constexpr std::uint8_t kEntryDeleted = 0x80;

constexpr std::size_t kSectorDataOffset = kFlexSectorSize - kFlexSectorData;
constexpr std::uint32_t kNone = 0xFFFFFFFF;

unsigned bigEndian16(const std::uint8_t* p) { return p[0] * 256u + p[1]; }

// A sector's address as a link, a SIR field or a directory entry gives it.
struct Address {
    int track = 0;
    int sector = 0;
    bool isEnd() const { return track == 0 && sector == 0; }
};

Address addressAt(const std::uint8_t* p) { return {p[0], p[1]}; }

bool onDisk(const FlexGeometry& g, Address a) {
    return a.track <= g.lastTrack && a.sector >= 1 && a.sector <= g.sectorsPerTrack;
}

std::uint32_t indexOf(const FlexGeometry& g, Address a) {
    return static_cast<std::uint32_t>(a.track * g.sectorsPerTrack + a.sector - 1);
}

Address addressOf(const FlexGeometry& g, std::uint32_t index) {
    return {static_cast<int>(index) / g.sectorsPerTrack, static_cast<int>(index) % g.sectorsPerTrack + 1};
}

std::string count(std::size_t n, const char* thing) {
    return std::to_string(n) + " " + thing + (n == 1 ? "" : "s");
}

std::string words(Address a) { return "track " + std::to_string(a.track) + " sector " + std::to_string(a.sector); }

std::string disksTracks(const FlexGeometry& g) {
    return "the disk's " + std::to_string(g.lastTrack + 1) + " tracks of " + std::to_string(g.sectorsPerTrack) + " sectors";
}

FlexGeometry geometryOf(const std::uint8_t* sir) { return {sir[kSirLastTrack], sir[kSirSectorsPerTrack]}; }

// Why a System Information Record cannot be a FLEX disk's; empty when it can.
std::string sirProblem(const std::uint8_t* sir) {
    const FlexGeometry g = geometryOf(sir);
    if (g.sectorsPerTrack < kFlexDirectorySector)
        return "its System Information Record gives " + std::to_string(g.sectorsPerTrack) +
               " sectors a track, too few for the directory at sector 5";
    if (g.lastTrack < 1) return "its System Information Record gives no track after track 0";
    for (std::size_t field : {kSirFirstFree, kSirLastFree}) {
        const Address a = addressAt(sir + field);
        if (!a.isEnd() && !onDisk(g, a))
            return "its System Information Record puts the free chain at " + words(a) + ", off " + disksTracks(g);
    }
    if (bigEndian16(sir + kSirFreeCount) > g.sectors())
        return "its System Information Record counts more free sectors than " + disksTracks(g);
    return {};
}

// Up to the first NUL; bytes other than printable ASCII as '?'.
std::string textOf(const std::uint8_t* p, std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n && p[i] != 0; ++i) s += p[i] >= 0x20 && p[i] < 0x7F ? static_cast<char>(p[i]) : '?';
    return s;
}

FlexDate dateAt(const std::uint8_t* p) { return {p[0], p[1], p[2]}; }

bool isRawImage(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t sirAt = (kFlexSirSector - 1) * kFlexSectorSize;
    if (bytes.size() % kFlexSectorSize != 0 || bytes.size() < sirAt + kFlexSectorSize) return false;
    const std::uint8_t* sir = bytes.data() + sirAt;
    const FlexGeometry g = geometryOf(sir);
    return sirProblem(sir).empty() && g.sectors() >= kFlexSmallestDisk && g.sectors() * kFlexSectorSize == bytes.size();
}

const std::uint8_t* sectorAt(const FlexDisk& disk, std::uint32_t index) {
    return disk.sectorBytes.data() + std::size_t{disk.sectorSlot[index]} * kFlexSectorSize;
}

bool readable(FlexSector s) { return s == FlexSector::Clean || s == FlexSector::DataError; }

std::string notThere(FlexSector s) { return s == FlexSector::Unreadable ? "could not be read when the image was made" : "is not in the image"; }

void loadRaw(std::span<const std::uint8_t> bytes, FlexDisk& disk) {
    disk.geometry = geometryOf(bytes.data() + (kFlexSirSector - 1) * kFlexSectorSize);
    const std::size_t n = disk.geometry.sectors();
    disk.sectorState.assign(n, FlexSector::Clean);
    disk.sectorSlot.resize(n);
    for (std::size_t i = 0; i < n; ++i) disk.sectorSlot[i] = static_cast<std::uint32_t>(i);
    disk.sectorBytes.assign(bytes.begin(), bytes.end());
}

// Places the ImageDisk file's sectors by their ids; the geometry comes from
// the SIR among them. A failure, with `words`, when it is not a FLEX disk.
FlexDiskFailure loadImageDisk(std::span<const std::uint8_t> bytes, FlexDisk& disk, std::string& words) {
    const ImageDiskRead imd = readImageDisk(bytes);
    if (!imd.ok) {
        words = imd.problem;
        return FlexDiskFailure::DamagedImageDisk;
    }
    auto stateOf = [](const ImdSector& s) {
        return s.record == ImdRecord::Data ? FlexSector::Clean
               : s.record == ImdRecord::DataError ? FlexSector::DataError : FlexSector::Unreadable;
    };
    const ImdSector* sir = nullptr;
    for (const ImdSector& s : imd.sectors) {
        if (s.size != kFlexSectorSize) {
            words = "its sectors are " + std::to_string(s.size) + " bytes, a FLEX disk's 256";
            return FlexDiskFailure::NotFlex;
        }
        if (s.cylinder == 0 && s.id == kFlexSirSector && (sir == nullptr || stateOf(s) > stateOf(*sir))) sir = &s;
    }
    if (sir == nullptr || stateOf(*sir) == FlexSector::Unreadable) {
        words = sir == nullptr ? "the image has no track 0 sector 3" : "track 0 sector 3 could not be read when the image was made";
        return FlexDiskFailure::NoSystemRecord;
    }
    std::uint8_t sirBytes[kFlexSectorSize];
    if (sir->compressed) std::memset(sirBytes, sir->fill, kFlexSectorSize);
    else std::memcpy(sirBytes, bytes.data() + sir->offset, kFlexSectorSize);
    words = sirProblem(sirBytes);
    if (!words.empty()) return FlexDiskFailure::NotFlex;

    const FlexGeometry g = geometryOf(sirBytes);
    disk.geometry = g;
    disk.sectorState.assign(g.sectors(), FlexSector::Absent);
    disk.sectorSlot.assign(g.sectors(), kNone);
    std::size_t outside = 0, twice = 0;
    for (const ImdSector& s : imd.sectors) {
        const Address a{s.cylinder, s.id};
        if (!onDisk(g, a)) {
            ++outside;
            continue;
        }
        const std::uint32_t i = indexOf(g, a);
        const FlexSector state = stateOf(s);
        if (disk.sectorState[i] != FlexSector::Absent) ++twice;
        // Of two copies of a sector, the better read one counts.
        if (state <= disk.sectorState[i]) continue;
        disk.sectorState[i] = state;
        if (state == FlexSector::Unreadable) continue;
        if (disk.sectorSlot[i] == kNone) {
            disk.sectorSlot[i] = static_cast<std::uint32_t>(disk.sectorBytes.size() / kFlexSectorSize);
            disk.sectorBytes.resize(disk.sectorBytes.size() + kFlexSectorSize);
        }
        std::uint8_t* to = disk.sectorBytes.data() + std::size_t{disk.sectorSlot[i]} * kFlexSectorSize;
        if (s.compressed) std::memset(to, s.fill, kFlexSectorSize);
        else std::memcpy(to, bytes.data() + s.offset, kFlexSectorSize);
    }
    if (outside != 0)
        disk.notes.push_back(count(outside, "sector") + " of the image " + (outside == 1 ? "lies" : "lie") + " off " + disksTracks(g) +
                             " (as its System Information Record gives them): not read");
    if (twice != 0)
        disk.notes.push_back(count(twice, "sector") + (twice == 1 ? " is" : " are") + " in the image more than once; the best read copy of each is read");
    return FlexDiskFailure::None;
}

void readSir(FlexDisk& disk) {
    const std::uint32_t i = indexOf(disk.geometry, {0, kFlexSirSector});
    const std::uint8_t* sir = sectorAt(disk, i);
    disk.label = textOf(sir + kSirLabel, kSirLabelSize);
    while (!disk.label.empty() && disk.label.back() == ' ') disk.label.pop_back();
    disk.volume = static_cast<int>(bigEndian16(sir + kSirVolume));
    disk.freeSectors = static_cast<int>(bigEndian16(sir + kSirFreeCount));
    disk.date = dateAt(sir + kSirDate);
    if (disk.sectorState[i] == FlexSector::DataError)
        disk.notes.push_back("the System Information Record was read with a data error: the label, date and geometry may be wrong");
}

FlexFile entryAt(const std::uint8_t* e) {
    FlexFile f;
    f.name = textOf(e, kEntryNameSize);
    const std::string extension = textOf(e + kEntryExtension, kEntryExtensionSize);
    if (!extension.empty()) f.name += "." + extension;
    f.date = dateAt(e + kEntryDate);
    f.sectors = static_cast<int>(bigEndian16(e + kEntrySectors));
    f.attributes = e[kEntryAttributes];
    f.random = e[kEntryRandom] != 0;
    f.firstTrack = e[kEntryFirst];
    f.firstSector = e[kEntryFirst + 1];
    return f;
}

// The directory's sectors in chain order, each at most once.
void readDirectory(FlexDisk& disk) {
    const FlexGeometry& g = disk.geometry;
    std::vector<bool> seen(g.sectors());
    Address at{0, kFlexDirectorySector};
    for (;;) {
        if (!onDisk(g, at)) {
            disk.notes.push_back("the directory links to " + words(at) + ", off " + disksTracks(g) + "; the files listed after it are lost");
            return;
        }
        const std::uint32_t i = indexOf(g, at);
        if (seen[i]) {
            disk.notes.push_back("the directory's chain of sectors returns to " + words(at) + "; it is read once");
            return;
        }
        seen[i] = true;
        if (!readable(disk.sectorState[i])) {
            disk.notes.push_back("directory sector " + words(at) + " " + notThere(disk.sectorState[i]) + "; the files it and the directory's later sectors list are lost");
            return;
        }
        if (disk.sectorState[i] == FlexSector::DataError)
            disk.notes.push_back("directory sector " + words(at) + " was read with a data error: the files it lists may be wrong");
        const std::uint8_t* sector = sectorAt(disk, i);
        for (std::size_t e = 0; e < kEntriesPerSector; ++e) {
            const std::uint8_t* entry = sector + kDirectoryEntries + e * kEntrySize;
            if (entry[0] == 0) return;
            if ((entry[0] & kEntryDeleted) == 0) disk.files.push_back(entryAt(entry));
        }
        at = addressAt(sector);
        if (at.isEnd()) return;
    }
}

// How every sector's chain ends, found once for all files: the links of a
// disk make each sector lead to at most one next, so a sector walked for one
// file is known for every other file whose chain reaches it, and all walks
// together follow each sector at most once.
class ChainWalk {
public:
    enum class End : std::uint8_t { Unknown, Walking, Finished, Loop, FarLink, Missing };

    explicit ChainWalk(const FlexDisk& disk)
        : disk_(disk), end_(disk.geometry.sectors(), End::Unknown), length_(end_.size()), at_(end_.size()),
          firstError_(end_.size()), owner_(end_.size(), -1) {}

    // Where the chain of file `file` from sector `start` ends, and the file
    // whose chain it joins, if it runs into one walked before.
    struct Result {
        End end;
        std::uint32_t length; // the sectors before the end, or before the sector the chain returns to
        std::uint32_t at;     // Loop: the sector it returns to; FarLink: the one holding the link; Missing: the missing one
        std::uint32_t firstError;
        int joins = -1;
        std::uint32_t joinsAt = kNone;
    };

    Result walk(std::uint32_t start, int file) {
        path_.clear();
        std::uint32_t x = start;
        End terminal = End::Unknown;
        std::uint32_t missing = kNone;
        Result r{};
        for (;;) {
            if (end_[x] == End::Walking) {
                // Back at a sector of this walk: the sectors from it on are a loop.
                const std::size_t from = length_[x];
                for (std::size_t k = from; k < path_.size(); ++k) setMemo(path_[k], End::Loop, static_cast<std::uint32_t>(path_.size() - from), path_[k], kNone);
                path_.resize(from);
                break;
            }
            if (end_[x] != End::Unknown) {
                r.joins = owner_[x];
                r.joinsAt = x;
                break;
            }
            end_[x] = End::Walking;
            length_[x] = static_cast<std::uint32_t>(path_.size());
            owner_[x] = file;
            path_.push_back(x);
            const Address next = addressAt(sectorAt(disk_, x));
            if (next.isEnd()) terminal = End::Finished;
            else if (!onDisk(disk_.geometry, next)) terminal = End::FarLink;
            else if (!readable(disk_.sectorState[indexOf(disk_.geometry, next)])) {
                terminal = End::Missing;
                missing = indexOf(disk_.geometry, next);
            }
            if (terminal != End::Unknown) break;
            x = indexOf(disk_.geometry, next);
        }
        std::size_t k = path_.size();
        if (terminal != End::Unknown) {
            const std::uint32_t last = path_[--k];
            setMemo(last, terminal, 1, terminal == End::Missing ? missing : last, errorAt(last) ? last : kNone);
        }
        while (k > 0) {
            const std::uint32_t n = path_[--k];
            const std::uint32_t s = indexOf(disk_.geometry, addressAt(sectorAt(disk_, n)));
            setMemo(n, end_[s], length_[s] + 1, at_[s], errorAt(n) ? n : firstError_[s]);
        }
        r.end = end_[start];
        r.length = length_[start];
        r.at = at_[start];
        r.firstError = firstError_[start];
        return r;
    }

private:
    bool errorAt(std::uint32_t i) const { return disk_.sectorState[i] == FlexSector::DataError; }
    void setMemo(std::uint32_t i, End end, std::uint32_t length, std::uint32_t at, std::uint32_t firstError) {
        end_[i] = end;
        length_[i] = length;
        at_[i] = at;
        firstError_[i] = firstError;
    }

    const FlexDisk& disk_;
    std::vector<End> end_;
    std::vector<std::uint32_t> length_; // while walking: the sector's place on the path
    std::vector<std::uint32_t> at_;
    std::vector<std::uint32_t> firstError_;
    std::vector<int> owner_;            // the file whose walk reached the sector first
    std::vector<std::uint32_t> path_;
};

void addProblem(FlexFile& f, FlexFileState state, const std::string& words) {
    f.state = std::max(f.state, state);
    f.problem += (f.problem.empty() ? "" : "; ") + words;
}

// Follows each file's chain and says what is wrong with it.
void walkFiles(FlexDisk& disk) {
    const FlexGeometry& g = disk.geometry;
    ChainWalk chains(disk);
    std::vector<bool> runInto(disk.files.size());
    for (std::size_t n = 0; n < disk.files.size(); ++n) {
        FlexFile& f = disk.files[n];
        const Address first{f.firstTrack, f.firstSector};
        if (first.isEnd() || !onDisk(g, first)) {
            addProblem(f, FlexFileState::Broken, first.isEnd() ? "its directory entry gives no first sector"
                                                                : "its directory entry starts it at " + words(first) + ", off " + disksTracks(g));
            continue;
        }
        const std::uint32_t start = indexOf(g, first);
        if (!readable(disk.sectorState[start])) {
            addProblem(f, FlexFileState::Broken, "its first sector, " + words(first) + ", " + notThere(disk.sectorState[start]));
            continue;
        }
        const ChainWalk::Result r = chains.walk(start, static_cast<int>(n));
        f.chainSectors = static_cast<int>(r.length);
        const Address at = addressOf(g, r.at);
        switch (r.end) {
        case ChainWalk::End::Loop:
            addProblem(f, FlexFileState::Broken, "its chain of sectors returns to " + words(at) + " after " + count(r.length, "sector"));
            break;
        case ChainWalk::End::FarLink:
            addProblem(f, FlexFileState::Broken, words(at) + ", sector " + std::to_string(r.length) + " of its chain, links to " +
                                                     words(addressAt(sectorAt(disk, r.at))) + ", off " + disksTracks(g));
            break;
        case ChainWalk::End::Missing:
            addProblem(f, FlexFileState::Broken, words(at) + ", sector " + std::to_string(r.length + 1) + " of its chain, " + notThere(disk.sectorState[r.at]));
            break;
        default:
            if (r.firstError != kNone)
                addProblem(f, FlexFileState::Doubtful, words(addressOf(g, r.firstError)) + " was read with a data error, so its bytes may be wrong");
            break;
        }
        if (r.joins >= 0 && static_cast<std::size_t>(r.joins) != n) {
            // The file run into is told of the first chain that does.
            const std::string shared = words(addressOf(g, r.joinsAt));
            FlexFile& other = disk.files[static_cast<std::size_t>(r.joins)];
            addProblem(f, FlexFileState::Doubtful, "its chain runs into that of " + other.name + " at " + shared);
            if (!runInto[static_cast<std::size_t>(r.joins)]) addProblem(other, FlexFileState::Doubtful, "the chain of " + f.name + " runs into its own at " + shared);
            runInto[static_cast<std::size_t>(r.joins)] = true;
        }
        if (f.state != FlexFileState::Broken && f.chainSectors != f.sectors)
            addProblem(f, FlexFileState::Doubtful, "the directory gives " + count(static_cast<std::size_t>(f.sectors), "sector") +
                                                       ", its chain holds " + std::to_string(f.chainSectors));
    }
}

bool sameName(std::string_view a, std::string_view b) {
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return upper(x) == upper(y); });
}

} // namespace

DiskImageKind diskImageKind(std::span<const std::uint8_t> bytes) {
    if (looksLikeImageDisk(bytes)) return DiskImageKind::ImageDisk;
    if (looksLikeTeledisk(bytes)) return DiskImageKind::Teledisk;
    if (isRawImage(bytes)) return DiskImageKind::FlexRaw;
    return DiskImageKind::None;
}

const char* flexDiskFailureWords(FlexDiskFailure failure) {
    switch (failure) {
    case FlexDiskFailure::None: return "";
    case FlexDiskFailure::NotADiskImage: return "not a disk image: neither a FLEX disk's sectors nor an ImageDisk file";
    case FlexDiskFailure::Teledisk:
        return "a Teledisk image, which is not read (its format is known only from reverse engineering): "
               "convert it to an ImageDisk (.IMD) file, for example with ImageDisk's TD02IMD, and read that";
    case FlexDiskFailure::DamagedImageDisk: return "an ImageDisk file that is damaged or cut short";
    case FlexDiskFailure::NotFlex: return "an ImageDisk image, but not of a FLEX disk";
    case FlexDiskFailure::NoSystemRecord: return "an ImageDisk image without the FLEX System Information Record (track 0 sector 3)";
    }
    return "";
}

FlexDiskRead readFlexDisk(std::span<const std::uint8_t> bytes) {
    FlexDiskRead read;
    FlexDisk& disk = read.disk;
    disk.image = diskImageKind(bytes);
    std::string detail;
    switch (disk.image) {
    case DiskImageKind::None: read.failure = FlexDiskFailure::NotADiskImage; break;
    case DiskImageKind::Teledisk: read.failure = FlexDiskFailure::Teledisk; break;
    case DiskImageKind::ImageDisk: read.failure = loadImageDisk(bytes, disk, detail); break;
    case DiskImageKind::FlexRaw: loadRaw(bytes, disk); break;
    }
    if (read.failure != FlexDiskFailure::None) {
        read.words = flexDiskFailureWords(read.failure);
        if (!detail.empty()) read.words += ": " + detail;
        const DiskImageKind image = disk.image;
        disk = FlexDisk{};
        disk.image = image;
        return read;
    }
    readSir(disk);
    readDirectory(disk);
    walkFiles(disk);
    return read;
}

FlexFileRead readFlexFile(const FlexDisk& disk, std::string_view name) {
    FlexFileRead read;
    const auto found = std::find_if(disk.files.begin(), disk.files.end(), [&](const FlexFile& f) { return sameName(f.name, name); });
    if (found == disk.files.end()) {
        read.failure = FlexFileFailure::NoSuchFile;
        read.words = "the disk holds no file named " + std::string(name);
        return read;
    }
    return readFlexFile(disk, *found);
}

FlexFileRead readFlexFile(const FlexDisk& disk, const FlexFile& file) {
    FlexFileRead read;
    read.file = &file;
    read.words = file.problem;
    if (file.state == FlexFileState::Broken) {
        read.failure = FlexFileFailure::BrokenChain;
        return read;
    }
    // The walk of readFlexDisk found the chain whole: it ends after
    // chainSectors sectors, each on the disk and in the image.
    const FlexGeometry& g = disk.geometry;
    read.bytes.reserve(static_cast<std::size_t>(file.chainSectors) * kFlexSectorData);
    Address at{file.firstTrack, file.firstSector};
    for (int n = 0; n < file.chainSectors; ++n) {
        const std::uint32_t i = onDisk(g, at) ? indexOf(g, at) : kNone;
        if (i == kNone || i >= disk.sectorState.size() || !readable(disk.sectorState[i])) {
            read.failure = FlexFileFailure::BrokenChain;
            read.words = "its chain is not the one its directory entry was read with";
            read.bytes.clear();
            return read;
        }
        const std::uint8_t* sector = sectorAt(disk, i);
        read.bytes.insert(read.bytes.end(), sector + kSectorDataOffset, sector + kFlexSectorSize);
        at = addressAt(sector);
    }
    return read;
}

} // namespace vornak
