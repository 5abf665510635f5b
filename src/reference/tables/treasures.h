#pragma once
// Magic treasures (法宝): the three classes, the 67 treasures of the catalogue, the realm
// sheet of each class and the layer-experience calculator of the treasure window.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tables {

// Shown wherever a text of ours is not known.
inline constexpr std::string_view kMissing = "暂缺";

struct TreasureClass {
    std::string_view name;         // 普通法宝 / 高级法宝 / 特级法宝
    int levelRequirement;          // character level every treasure of the class requires
    std::string_view levelText;    // the 等级 field: "≥60级"
    std::string_view auraCap;      // the 灵气上限 field: "200"
    int topLayer;                  // layers run 0 … topLayer
    std::string_view calcOpening;  // the calculator sentence's opening for the class
};

inline constexpr int kTreasureClassCount = 3;
inline constexpr std::array<TreasureClass, kTreasureClassCount> kTreasureClasses{{
    {"普通法宝", 60, "≥60级", "200", 9, "普通法宝修炼由"},
    {"高级法宝", 90, "≥90级", "300", 12, "高级法宝修炼由"},
    {"特级法宝", 110, "≥110级", "500", 15, "特级法宝修炼由"},
}};

// One treasure: its name (the list entry) and the texts of its detail fields.
struct TreasureRecord {
    std::string_view name;
    std::string_view description; // 法宝描述
    std::string_view use;         // 法宝作用
    std::string_view effect;      // 使用效果
    std::string_view type;        // 类型
    std::string_view sect;        // 门派限制
    std::string_view wear;        // 佩带
    std::string_view mode;        // 主被动
    std::string_view element;     // 五行影响
    std::string_view turns;       // 回合限制
};

// The treasures of a class in list order (21, 16, 30); an empty span outside 0 … 2.
std::span<const TreasureRecord> treasureCatalogue(int classIndex);

// The realm sheet of a class: one row per layer, and the scene texts merged over groups
// of layers.
struct SceneGroup {
    int firstLayer;
    int lastLayer;
    std::string_view scenes;
};
std::span<const std::string_view> realmNames(int classIndex);   // layer 0 … topLayer
std::span<const SceneGroup> sceneGroups(int classIndex);
// The experience that completes each layer (entry 0 is 0), layer 0 … topLayer.
std::span<const std::int32_t> treasureLayerExpTable(int classIndex);

// What one run of the calculator writes. The inputs are the texts of the from-layer,
// to-layer, experience-held and character-level fields.
struct CultivationUpdate {
    bool clear = false;               // the experience, per-cultivation and days fields := "0"
    std::optional<std::string> needed; // experience still needed; the layer field then
                                       // repeats the to-layer's text
    std::optional<std::string> timesPerDay; // nullopt: that field keeps its text
};
CultivationUpdate cultivationRun(int classIndex, std::string_view from, std::string_view to,
                                 std::string_view held, std::string_view level);

} // namespace tables
