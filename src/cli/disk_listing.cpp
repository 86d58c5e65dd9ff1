#include "cli/disk_listing.h"

#include <string>

#include "formats/text.h"

namespace vornak {

namespace {

// "1 file", "2,880 sectors".
std::string many(std::uint64_t n, const char* thing) { return withThousands(n) + " " + thing + (n == 1 ? "" : "s"); }

// "Waveterm A file, 87 programs, 20 combis (why)", "not a bank: why".
std::string holds(const DiskFile& f) {
    if (f.holds != DiskFileHolds::Bank) return f.why.empty() ? f.kind : f.kind + ": " + f.why;
    std::string text = f.kind + ", " + counted(static_cast<std::uint64_t>(f.programs), "program");
    if (f.combis > 0) text += ", " + counted(static_cast<std::uint64_t>(f.combis), "combi");
    return f.why.empty() ? text : text + " (" + f.why + ")";
}

} // namespace

int printDisk(const DiskReport& report, std::FILE* out) {
    if (!report.ok()) {
        std::fprintf(out, "%s\n", report.failure.message.c_str());
        return report.failure.exitCode;
    }
    std::string image = imageKindName(report.image);
    if (!image.empty() && image[0] >= 'a' && image[0] <= 'z') image[0] = static_cast<char>(image[0] - 'a' + 'A');
    std::fprintf(out, "Disk \"%s\", volume %d, %s\n", report.label.c_str(), report.volume, dateText(report.date).c_str());
    std::fprintf(out, "%s: %d tracks of %d sectors, %s free\n\n", image.c_str(), report.geometry.lastTrack + 1,
                 report.geometry.sectorsPerTrack, many(static_cast<std::uint64_t>(report.freeSectors), "sector").c_str());
    if (report.files.empty()) {
        std::fputs("The disk holds no files.\n", out);
    } else {
        std::fprintf(out, "%-12s %7s  %-8s  %s\n", "File", "Sectors", "Date", "Holds");
        for (const DiskFile& f : report.files)
            std::fprintf(out, "%-12s %7d  %-8s  %s\n", f.name.c_str(), f.sectors, dateText(f.date).c_str(), holds(f).c_str());
        std::fprintf(out, "\n%s, %s\n", many(report.files.size(), "file").c_str(),
                     many(static_cast<std::uint64_t>(report.banks()), "bank").c_str());
    }
    for (const std::string& note : report.notes) std::fprintf(out, "Note: %s\n", note.c_str());
    return 0;
}

} // namespace vornak
