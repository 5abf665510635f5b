#include "beasts/teaching.h"

namespace beasts {

std::vector<std::size_t> searchTeaching(std::string_view fragment)
{
    std::vector<std::size_t> found;
    if (fragment.empty())
        return found;
    for (std::size_t i = 0; i < TeachingQuestions.size(); ++i)
        if (TeachingQuestions[i].question.find(fragment) != std::string_view::npos)
            found.push_back(i);
    return found;
}

} // namespace beasts
