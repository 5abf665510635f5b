#include "common/valitext.h"

#include <string>

namespace common {

namespace {
char32_t upper(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return c - U'a' + U'A';
    if (c >= U'ａ' && c <= U'ｚ') // full-width letters
        return c - U'ａ' + U'Ａ';
    return c;
}
} // namespace

char32_t valitext(char32_t keyin, std::u32string_view allowed, bool editable)
{
    if (keyin == 0)
        return 0;
    if (editable && keyin == 8)
        return keyin;
    const char32_t c = upper(keyin);
    for (char32_t a : allowed)
        if (upper(a) == c)
            return keyin;
    return 0;
}

std::u32string filterAllowed(std::u32string_view text, std::u32string_view allowed, std::size_t maxLength)
{
    std::u32string out;
    for (char32_t c : text) {
        if (maxLength > 0 && out.size() >= maxLength)
            break;
        if (c != 8 && valitext(c, allowed, false) != 0)
            out.push_back(c);
    }
    return out;
}

} // namespace common
