#pragma once
// The attribute prediction window's state: the confirmation of a beast's figures with its
// verdict, and the point-allocation simulator that follows (level, committed and pending
// points, potential, shares with their pool, one snapshot). The window maps presses,
// clicks and timer ticks to these operations and shows the state.

#include "beasts/attributes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace beasts {

inline constexpr int kSimMaxLevel = 160;
inline constexpr std::string_view kMsgPredictEmpty = "各输入项均不能为空！";
inline constexpr std::string_view kMsgPredictZero = "各输入项均不能为0！";
inline constexpr std::string_view kVerdictPending = "计算待定";
inline constexpr std::string_view kVerdictFake = "怀疑假图";
inline constexpr std::string_view kVerdictBaby = "可能宝宝";
inline constexpr std::string_view kVerdictWild = "野生/合成";

// The species picker of the prediction window: each of these followed by its variant
// "变异" + name, then the five below.
inline constexpr std::array<std::string_view, 58> kPredictionSpecies = {
    "大海龟", "巨蛙", "树怪", "护卫", "野猪", "赌徒", "强盗", "山贼", "海毛虫",
    "大蝙蝠", "老虎", "黑熊", "骷髅怪", "羊头怪", "蛤蟆精", "狐狸精", "花妖", "狼",
    "牛妖", "虾兵", "蟹将", "野鬼", "小龙女", "牛头", "马面", "僵尸", "龟丞相",
    "兔子怪", "蜘蛛精", "黑熊精", "白熊", "雷鸟人", "蝴蝶仙子", "古代瑞兽",
    "黑山老妖", "风伯", "天兵", "天将", "地狱战神", "蛟龙", "凤凰", "雨师",
    "如意仙子", "芙蓉仙子", "巡游天神", "星灵仙子", "吸血鬼", "幽灵", "律法女娲",
    "灵符女娲", "鬼将", "净瓶女娲", "炎魔神", "雾中仙", "灵鹤", "噬天虎", "夜罗刹",
    "大力金刚",
};
inline constexpr std::array<std::string_view, 5> kPredictionExtraSpecies = {"泡泡", "超级泡泡", "超级熊猫", "超级金猴",
                                                                           "超级大象"};
inline constexpr std::string_view kPredictionStartSpecies = "超级泡泡";
// The 121 names in the picker's order.
std::vector<std::string> predictionSpeciesList();

// The boxes a recompute reads as they are at that moment: 攻击 … 速度资质 and the growth.
struct LiveInputs {
    std::array<std::string, 5> aptitudes;
    std::string growth;
};

// Everything 确定 reads.
struct PredictionFields {
    int level = 0;
    std::array<std::string, kPointKinds> points; // 体质 … 敏捷
    std::string potential;                        // 潜能
    std::string growth;                           // new scale
    std::array<std::string, 6> aptitudes;         // 攻击资质 … 躲闪资质
};

struct ConfirmResult {
    std::string warning;      // empty when the figures were taken
    std::string growthText;   // the growth box afterwards ("1.200")
    std::string oldGrowthText; // the old-scale box afterwards ("3.589")
};

// The verdict on a born baby: the old-scale growth first, then the points against the level.
std::string_view babyVerdict(float oldScaleGrowth, std::int64_t pointsAndPotential, int level);

class PetSimulator {
public:
    // What a left press starts: one step at every tick until the release.
    enum class Repeat { None, LevelDown, LevelUp, Points, Shares };
    static constexpr int kLeft = 1;
    static constexpr int kRight = 2;
    static constexpr int kShareSplit = 10; // the 分配 button among the share buttons

    // 确定: checks the figures; on success takes them and computes.
    ConfirmResult confirm(const PredictionFields& f);
    // 重设: back to the figures as they were confirmed, ready to be edited again.
    void reset();
    // 保存 / 读取 of the one snapshot.
    void save();
    void restore();
    bool canRestore() const { return m_computed && m_snapshot.has_value() && m_snapshotUsable; }

    // Presses: index and button as the buttons report them. The level and 分配 need the
    // live inputs for their recompute.
    void levelPress(int index, int button, const LiveInputs& live); // 0 "-1", 1 "+1"
    void pointPress(int index, int button);                          // 0..4 "+", 5..9 "-"
    void sharePress(int index, int button);                          // 0..4 "+", 5..9 "-", 10 分配
    // A release of the left button ends the repeat.
    void release(int button);
    void stopRepeat() { m_repeat = Repeat::None; }
    // One step of the running repeat; returns whether it still runs.
    bool tick(const LiveInputs& live);
    Repeat repeat() const { return m_repeat; }

    // Clicks on the boxes.
    void clickPoint(int i);      // Text4(i)
    void clickPotential();       // Text1(0) or Text1(1)
    void clickShare(int i);      // Text6(i), 5 the pool

    void commit(const LiveInputs& live); // 加点
    void cancel(const LiveInputs& live); // 取消

    // What the boxes show.
    bool computed() const { return m_computed; }
    int level() const { return m_level; }
    std::int64_t points(int i) const { return m_current[static_cast<std::size_t>(i)]; }
    std::int64_t basePoints(int i) const { return m_base[static_cast<std::size_t>(i)]; }
    std::int64_t committedPotential() const { return m_committed; } // Text1(0)
    std::int64_t freePotential() const { return m_free; }           // Text1(1)
    // The shares' and the pool's box texts (i = 5 the pool) and their values in tenths.
    const std::string& shareText(int i) const { return m_shareText[static_cast<std::size_t>(i)]; }
    int shareTenths(int i) const { return m_shares[static_cast<std::size_t>(i)]; }
    const AttributeValues& outputs() const { return m_outputs; }
    std::string_view verdict() const { return m_verdict; }

private:
    void recompute(const LiveInputs& live);
    void resetShares();
    void discardPending();
    void setShare(int i, int tenths, bool fixedFormat);
    bool levelStep(int direction, int size, const LiveInputs& live);
    void pointStep(int index, int size);
    void shareStep(int index, int size);
    void split();

    bool m_computed = false;
    int m_level = 0;
    int m_simLevel = 0;
    std::array<std::int64_t, kPointKinds> m_current{};
    std::array<std::int64_t, kPointKinds> m_base{};
    std::int64_t m_committed = 0;
    std::int64_t m_free = 0;
    std::array<int, 6> m_shares{0, 0, 0, 0, 0, 50};
    std::array<std::string, 6> m_shareText{"0", "0", "0", "0", "0", "5"};
    AttributeValues m_outputs{};
    std::string m_verdict{kVerdictPending};

    int m_confirmedLevel = 0;
    std::array<std::int64_t, kPointKinds> m_confirmedPoints{};
    std::int64_t m_confirmedPotential = 0;
    AttributeValues m_confirmedOutputs{};

    Repeat m_repeat = Repeat::None;
    int m_pointStepIndex = 0;
    int m_shareStepIndex = 0;

    struct Snapshot {
        int level = 0;
        AttributeValues outputs{};
        std::array<int, 6> shares{};
        std::array<std::int64_t, kPointKinds> points{};
        std::int64_t committed = 0;
        std::int64_t free = 0;
    };
    std::optional<Snapshot> m_snapshot;
    bool m_snapshotUsable = false;
};

} // namespace beasts
