#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "library/conversions.h"
#include "library/format_table.h"
#include "model/ppg_bank.h"

namespace vornak {

struct ValueRange;

// The values of a program: its own, or those of group A or B.
enum class ValuePart { Program, A, B };

// A new value for a program, by the label the listing gives it, in the
// units the listing shows (TTUNE 400..499): a whole number (held as a
// double, so that any number a caller has is taken, and refused in words
// when it is beyond the range).
struct ValueSetting {
    ValuePart part = ValuePart::Program;
    std::string label;
    double value = 0;
};

// A value set that the file gives back otherwise than asked: `written` is
// what it gives back, in the listing's units. `slot` is the program's
// number in the bank written (a compose slot). (A program's own value that
// one set for the whole bank replaced counts as asked.)
struct RoundedValue {
    int slot = 0;
    ValuePart part = ValuePart::Program;
    std::string label;
    std::int32_t asked = 0;
    std::int32_t written = 0;
};

// Values set in the programs of a bank that is then written in one format,
// each as the format's writer writes the same value read from any other
// file: down to the step it holds (HeldSteps::written), within what it
// holds; one that it does not hold is set all the same, and comes back as
// the format gives it. One that the format holds once for the whole bank (a
// Halvic bank's tuning) reaches every program, the last one set where
// several programs set it. A label the listing does not show, or a value
// outside its range, is refused (CodeError kBadRequest, in words that begin
// with the `where` given).
class ValueSetter {
public:
    // `noun` names a program in the words of the caller ("slot", "program").
    ValueSetter(const ExportFormat& format, int writtenGroup, std::string noun);

    void set(PpgProgram& program, int number, const std::string& where, const std::vector<ValueSetting>& settings);
    // After every program's values are set: gives the bank the values it
    // holds once, and finds the programs whose own values they replace
    // (those of `counts`).
    void setBankWide(PpgBank& bank, const std::function<bool(int)>& counts);
    // After the bank is written: `back` holds the programs first ..
    // first + count - 1 of the bank in its first slots, as the file gives
    // them back. Adds the values set that came back otherwise to `rounded`,
    // and to the report's `dropped` the own values a bank-wide one replaced.
    void collect(const PpgBank& back, int first, int count, ConversionReport& report,
                 std::vector<RoundedValue>& rounded) const;

private:
    struct Edit {
        int program;
        ValuePart part;
        const ValueRange* value;
        std::int32_t asked;
    };
    struct BankWide {
        int program;
        const ValueRange* value;
        std::int32_t held; // in the listing's units
        std::vector<RoundedValue> replaced{};
    };
    const ExportFormat& format_;
    int writtenGroup_;
    std::string noun_;
    std::vector<Edit> edits_;
    std::vector<BankWide> bankWide_;
};

// The words of a request that cannot be met: refuseRequest throws it as a
// kBadRequest failure; quotedText gives a name or label in them, quoted,
// when it is plain text (else nothing).
[[noreturn]] void refuseRequest(std::string why);
std::string quotedText(const std::string& text);

// "Slot 3: ", "Program 3: ", "Combi 2: ".
std::string whereText(const char* noun, std::size_t number);

// A number as a person writes it in a refusal: 64, 1e+20, 2.5, nan.
std::string numberText(double v);

} // namespace vornak
