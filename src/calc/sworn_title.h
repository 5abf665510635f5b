#pragma once
// Sworn-sibling titles: "金兰之" followed by a typed character, a picked character, a count
// word and a second typed character.

#include <array>
#include <string>
#include <string_view>

namespace calc {

inline constexpr std::array<std::string_view, 31> kSwornTitleChars = {
    "灵", "天", "地", "世", "界", "宵", "云", "山", "神", "煞", "魔", "怪", "王", "星", "幻", "者",
    "童", "师", "尘", "风", "绝", "奇", "夜", "谷", "仙", "姝", "侠", "雄", "君", "圣", "精"};
inline constexpr std::array<std::string_view, 4> kSwornCountWords = {"双", "三", "四", "五"};

inline constexpr std::string_view kMsgSwornIncomplete = "请补充完整！";

struct SwornTitle {
    std::string warning; // kMsgSwornIncomplete when any part is empty
    std::string title;
};

SwornTitle swornTitle(std::string_view first, std::string_view picked, std::string_view count,
                      std::string_view second);

} // namespace calc
