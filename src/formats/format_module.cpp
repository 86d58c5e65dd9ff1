#include "formats/format_module.h"

#include <algorithm>

#include "formats/text.h"

namespace vornak {

void note(LoadInput& in, NoteCode code, std::string text) { in.notes.push_back({code, std::move(text)}); }

void distrust(LoadInput& in, Damage damage, int from, int to) {
    in.damage = std::max(in.damage, damage);
    for (int p = std::max(from, 0); p < std::min(to, in.bank.programCount()); ++p) in.untrusted.push_back(p);
}

void noteTrailing(LoadInput& in, std::size_t used, const char* after) {
    if (used >= in.size) return;
    const std::size_t extra = in.size - used;
    note(in, NoteCode::TrailingBytes,
         cat({withThousands(extra), extra == 1 ? " byte follows " : " bytes follow ", after, " and ",
              extra == 1 ? "is" : "are", " not read."}));
}

void noteCutNames(LoadInput& in, int count, const std::vector<int>& programs, const char* whose) {
    in.namesCut = programs;
    if (count > 0)
        note(in, NoteCode::CutNames,
             cat({withThousands(static_cast<std::uint64_t>(count)), count == 1 ? " name" : " names", whose, count == 1 ? " fills" : " fill",
                  " all 28 bytes of the name field; Vornak keeps 27 characters of a name, so the last one is dropped."}));
}

void noteCutBankName(LoadInput& in, std::size_t length) {
    note(in, NoteCode::CutNames,
         cat({"The bank name is ", length, " characters long; Vornak keeps its first 27: \"", in.bank.name, "\"."}));
}

} // namespace vornak
