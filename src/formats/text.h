#pragma once

// Building the texts of notes and reports. One call joins all the pieces of
// a sentence, words and whole numbers alike: in the WebAssembly engine a
// chain of string additions, with a temporary string for every number,
// costs code at every place it is written.

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace vornak {

// Words, or a whole number written in decimal.
class Piece {
public:
    Piece(std::string_view text) : text_(text) {}
    Piece(const char* text) : text_(text) {}
    Piece(const std::string& text) : text_(text) {}
    template <std::integral T>
    Piece(T n) : number_(static_cast<long long>(n)), isNumber_(true) {}

    void appendTo(std::string& text) const;

private:
    std::string_view text_;
    long long number_ = 0;
    bool isNumber_ = false;
};

std::string cat(std::initializer_list<Piece> pieces);

// 5120 as "5,120".
std::string withThousands(std::uint64_t n);

// "1 program", "87 programs" (the plural adds an "s").
std::string counted(std::uint64_t n, std::string_view thing);

// "a", "a and b", "a, b and c".
std::string listed(std::span<const std::string> items);

} // namespace vornak
