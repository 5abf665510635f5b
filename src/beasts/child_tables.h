#pragma once
// The three look-up tables of the 孩子 panel: the sects a child can join, the special
// books, and the items used on a child.

#include <array>
#include <string_view>

namespace beasts {

struct ChildSectRow {
    std::string_view sect;        // list entry
    std::string_view requirement; // 拜师条件
    std::string_view skills;      // 可学技能
    std::string_view lessons;     // 师门所加
};
extern const std::array<ChildSectRow, 12> ChildSectRequirement;

struct SpecialBookRow {
    std::string_view book;   // list entry
    std::string_view effect; // 属性影响
};
extern const std::array<SpecialBookRow, 4> SpecialBookEffect;

struct ChildItemRow {
    std::string_view item; // list entry
    // 单个范围, 所加临时, then the ranges of 总 for +5, +4, +3, +2, +1, +0 ("无": never)
    std::array<std::string_view, 8> values;
};
extern const std::array<ChildItemRow, 20> ChildItemEffect;

// The row at a list position, or nullptr outside the table (-1: nothing chosen).
const ChildSectRow* childSectAt(int index);
const SpecialBookRow* specialBookAt(int index);
const ChildItemRow* childItemAt(int index);

} // namespace beasts
