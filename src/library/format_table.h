#pragma once

#include <cstddef>
#include <span>

#include "formats/format_module.h"
#include "model/ppg_bank.h"

namespace vornak {

// Every format Vornak reads and writes: the format modules, one row each
// (formats/format_module.h). The loader recognises and reads files by
// walking their input rows; the command line, the exports, the conversion
// reports and the engine's list of formats walk their export rows.

std::span<const FormatModule* const> formatModules();

// The rows of every module, one after another, each as itself.
template <typename Row>
class Rows {
public:
    class Iterator {
    public:
        explicit Iterator(const Row* const* at) : at_(at) {}
        const Row& operator*() const { return **at_; }
        Iterator& operator++() {
            ++at_;
            return *this;
        }
        bool operator==(const Iterator&) const = default;

    private:
        const Row* const* at_;
    };

    explicit Rows(std::span<const Row* const> rows) : rows_(rows) {}
    Iterator begin() const { return Iterator(rows_.data()); }
    Iterator end() const { return Iterator(rows_.data() + rows_.size()); }
    std::size_t size() const { return rows_.size(); }
    const Row& operator[](std::size_t i) const { return *rows_[i]; }

private:
    std::span<const Row* const> rows_;
};

// Every input row, in the modules' order. Recognition does not depend on
// the order: magics differ, and within the FXB container the identifiers
// do.
Rows<InputFormat> inputFormats();

// Every export, in the order they are offered to people.
Rows<ExportFormat> exportFormats();
const ExportFormat* exportFormat(ExportKind kind);
// By switch letter, in either case; nullptr for a letter no format has.
const ExportFormat* exportFormatForLetter(char letter);

// The models a memory image is read as when it is told (/2.2, /2.3): the
// hint, as the switch and the engine's option name it ("2.2"), in words.
struct ModelName {
    ModelHint hint;
    const char* model;
    const char* name;
};
std::span<const ModelName> modelNames();

} // namespace vornak
