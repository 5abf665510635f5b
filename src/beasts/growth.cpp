#include "beasts/growth.h"

#include "common/numbers.h"

namespace beasts {

GrowthConversion convertGrowthInput(std::string_view text)
{
    using Action = GrowthConversion::Action;
    if (text.empty())
        return {Action::ShowResult, "0"};
    if (text.front() == '.')
        return {Action::ResetInput, "0"};
    if (text.size() > 2 && text.find('.', 2) != std::string_view::npos)
        return {Action::EraseLastTyped, {}};
    const common::ReadNumber n = common::readLeadingNumber(text);
    if (!n.valid)
        return {Action::ResetInput, "0"};
    const double v = n.value;
    if (v > 0 && v < 2)
        return {Action::ShowResult, common::formatFixed(v / GrowthScaleDivisor, 3)};
    if (v == 0)
        return {Action::ShowResult, "0"};
    return {Action::ResetInput, "0"};
}

} // namespace beasts
