#pragma once
// Where the non-player characters of the game stand: one line of text per entry, shown
// whole by the NPC finder of the 其它 panel.
//
// An entry reads map, blank, NPC name, then the position: "(x：y)" (sometimes with an
// ASCII comma or a blank), a building in its place ("(长安酒店)"), or a place before the
// parenthesis ("凌霄宝殿(28,46)"), and an optional note after it ("去酆都", "一层",
// "流动"). Entries stand in groups by map. Slots whose NPC we could not vouch for read
// "<map> 暂缺".

#include <array>
#include <cstddef>
#include <string_view>

namespace app {

inline constexpr std::size_t kNpcEntries = 507;

extern const std::array<std::string_view, kNpcEntries> NpcDirectory;

} // namespace app
