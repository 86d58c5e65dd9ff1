#pragma once

// The engine's rule for text. The tool prints bytes, and names in banks may
// hold any byte; the answers are JSON in UTF-8. Each byte is one character
// by one fixed table, the WHATWG windows-1252 decoding: bytes below 0x80 and
// from 0xA0 up are the characters of the same number, 0x80 to 0x9F the
// windows-1252 characters (or, where it has none, the control character of
// the same number). The 256 characters all differ, so a text of them gives
// its bytes back. The JavaScript side decodes the bytes of a run's output by
// the same table (web/engine/text.js).

#include <optional>
#include <string>
#include <string_view>

namespace vornak::web {

// The bytes as text by the rule, in UTF-8.
std::string textOf(std::string_view bytes);

// The bytes that the text (UTF-8) stands for; none when a character of it
// stands for no byte.
std::optional<std::string> bytesOfText(std::string_view text);

} // namespace vornak::web
