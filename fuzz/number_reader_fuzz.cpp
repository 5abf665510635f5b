// Fuzz entry point of the number reader: any text typed into a box.

#include "common/numbers.h"

#include "fuzz_require.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const common::ReadNumber r = common::readLeadingNumber(text);
    require(std::isfinite(r.value));
    require(r.valid || r.value == 0.0);
    require(common::readWholeNumber(text) == (r.valid ? common::roundHalfEven(r.value) : 0));

    // What is written reads back as the same number to 15 significant digits.
    const std::string written = common::formatNumber(r.value);
    const double a = std::fabs(r.value);
    if (a == 0.0 || (a > 1e-300 && a < 1e300)) {
        const common::ReadNumber back = common::readLeadingNumber(written);
        require(back.valid);
        require(std::fabs(back.value - r.value) <= a * 1e-14);
    }
    const std::int64_t whole = common::readWholeNumber(text);
    require(common::readLeadingNumber(common::formatNumber(whole)).valid);
    for (int decimals = 0; decimals <= 3; ++decimals)
        require(!common::formatFixed(r.value, decimals).empty());
    const std::int64_t c = common::clampWhole(whole, -100, 100);
    require(c >= -100 && c <= 100);
    return 0;
}
