#pragma once
// The child aptitude grade window: six aptitudes predicted from four comprehension values
// (武学悟性, 法术悟性, 心态, 体质) and a grade per aptitude.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace beasts {

inline constexpr std::string_view kMsgComprehensionEmpty = "四个悟性值不能为空！";
inline constexpr std::string_view kMsgComprehensionHigh = "四个悟性值不能大于100！";
inline constexpr int kAptitudeRows = 6;
// The highest grade of each row's list (攻击, 防御, 体力, 法力, 速度, 躲闪资质).
inline constexpr std::array<int, kAptitudeRows> kAptitudeTopGrade = {5, 5, 10, 10, 5, 20};
inline constexpr std::array<std::string_view, kAptitudeRows> kAptitudeNames = {
    "攻击资质", "防御资质", "体力资质", "法力资质", "速度资质", "躲闪资质"};

// The four comprehension values as their boxes hold them (empty: nullopt).
using Comprehension = std::array<std::optional<double>, 4>;

// "预测": the message that refuses the values, or empty when they pass.
std::string_view checkComprehension(const Comprehension& c);

// Row `row` at grade `grade`; 速度 and 躲闪 use the larger of 武学 and 法术悟性. Nothing when
// a value is missing or the row does not exist.
std::optional<std::int64_t> aptitudeRow(int row, const Comprehension& c, double grade);

} // namespace beasts
