#pragma once
// The teaching questions of a child (孩子教导): 48 questions, each with its answers A to D,
// and the search over the question texts.

#include <array>
#include <string_view>
#include <vector>

namespace beasts {

inline constexpr std::size_t kTeachingQuestions = 48;

struct TeachingQuestion {
    std::string_view question; // "(n)" and the question
    std::array<std::string_view, 4> answers;
};
extern const std::array<TeachingQuestion, kTeachingQuestions> TeachingQuestions;

// The questions whose text holds `fragment` exactly as typed (no case folding, no
// trimming), in order; an empty fragment finds nothing.
std::vector<std::size_t> searchTeaching(std::string_view fragment);

} // namespace beasts
