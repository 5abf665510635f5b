#pragma once
// The NPC finder: which directory entries contain the typed text.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace app {

// Search texts that on their own would match nearly every entry, so they list nothing.
inline constexpr std::array<std::string_view, 3> SearchIgnoreList = {"：", ")", "("};

// A search text that shows nothing: empty, or exactly one of SearchIgnoreList.
bool npcSearchIgnored(std::string_view text);

// Indices of the entries that contain `text`, in entry order, each at most once. The
// comparison is exact, character by character (case and full/half width count); texts
// are UTF-8, so a byte-wise substring search matches whole characters only.
std::vector<std::size_t> findEntries(std::span<const std::string_view> entries, std::string_view text);

// findEntries over NpcDirectory.
std::vector<std::size_t> findNpcs(std::string_view text);

} // namespace app
