#pragma once
// The key filter of every numeric box.

#include <string_view>

namespace common {

inline constexpr std::u32string_view kDigits = U"0123456789";
inline constexpr std::u32string_view kDigitsAndPoint = U"0123456789.";
inline constexpr std::u32string_view kHexDigits = U"0123456789abcdef";

// Returns keyin when its upper-case form occurs in the upper-cased allowed list
// (Backspace, code 8, is allowed too when the box is editable); otherwise 0.
// A letter passes in the case in which it was typed.
char32_t valitext(char32_t keyin, std::u32string_view allowed, bool editable);

// Keeps only the characters valitext lets through (Backspace aside), at most maxLength
// of them when maxLength > 0: how text that is pasted or dropped into a box is cleaned.
std::u32string filterAllowed(std::u32string_view text, std::u32string_view allowed,
                             std::size_t maxLength = 0);

} // namespace common
