#include "formats/text.h"

namespace vornak {

void Piece::appendTo(std::string& text) const {
    if (isNumber_)
        text += std::to_string(number_);
    else
        text += text_;
}

std::string cat(std::initializer_list<Piece> pieces) {
    std::string text;
    for (const Piece& piece : pieces) piece.appendTo(text);
    return text;
}

std::string withThousands(std::uint64_t n) {
    const std::string digits = std::to_string(n);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

std::string counted(std::uint64_t n, std::string_view thing) { return cat({n, " ", thing, n == 1 ? "" : "s"}); }

std::string listed(std::span<const std::string> items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) text += cat({i == 0 ? "" : i + 1 == items.size() ? " and " : ", ", items[i]});
    return text;
}

} // namespace vornak
