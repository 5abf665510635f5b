#pragma once
// Values at the edges of the integer types and around the caps the cores know, for the
// property tests that sweep a core function over its whole parameter range.

#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <vector>

namespace test {

// Every cap or boundary a core compares against; each is swept with its neighbours.
inline const std::vector<std::int64_t>& capValues()
{
    static const std::vector<std::int64_t> caps = {0,   1,   2,   4,   5,   6,   7,   10,  13,   15,   16,
                                                   20,  24,  25,  30,  40,  50,  60,  99,  100,  101,  110,
                                                   120, 135, 139, 140, 145, 149, 150, 155, 160,  175,  300,
                                                   999, 1000, 9999, 99999, 999999};
    return caps;
}

// Type edges, zero, negatives, and ±1 around every cap (and around their negatives).
inline std::vector<std::int64_t> edgeValues64()
{
    using L = std::numeric_limits<std::int64_t>;
    using I = std::numeric_limits<std::int32_t>;
    std::set<std::int64_t> v = {L::min(),
                                L::min() + 1,
                                L::min() / 2,
                                -(std::int64_t{1} << 53),
                                -(std::int64_t{1} << 40),
                                std::int64_t{I::min()} - 1,
                                I::min(),
                                I::min() + 1,
                                -3037000500,
                                -3037000499,
                                -65536,
                                -46341,
                                -46340,
                                46340,
                                46341,
                                65536,
                                3037000499,
                                3037000500,
                                I::max() - 1,
                                I::max(),
                                std::int64_t{I::max()} + 1,
                                std::int64_t{1} << 40,
                                std::int64_t{1} << 53,
                                L::max() / 2,
                                L::max() - 1,
                                L::max()};
    for (const std::int64_t c : capValues())
        for (const std::int64_t d : {-1, 0, 1}) {
            v.insert(c + d);
            v.insert(-(c + d));
        }
    return {v.begin(), v.end()};
}

// The same, kept to what an int holds.
inline std::vector<int> edgeValues32()
{
    std::vector<int> out;
    for (const std::int64_t x : edgeValues64())
        if (x >= std::numeric_limits<int>::min() && x <= std::numeric_limits<int>::max())
            out.push_back(static_cast<int>(x));
    return out;
}

// A short list for sweeps over several parameters at once.
inline std::vector<std::int64_t> fewValues64()
{
    using L = std::numeric_limits<std::int64_t>;
    return {L::min(), -(std::int64_t{1} << 40), -4, -1, 0, 1, 10, 20, 25, 100, 149, 150, 155, 160, 161,
            std::int64_t{1} << 40, L::max()};
}

// Texts a number box could hold, typed or pasted: huge, negative, exponents, hex.
inline std::vector<std::string> edgeTexts()
{
    std::vector<std::string> out = {"",
                                    "0",
                                    "-0",
                                    "-1",
                                    "-5",
                                    "1e308",
                                    "-1e308",
                                    "1e999",
                                    "9.9e18",
                                    "-9.9e18",
                                    "9223372036854775807",
                                    "9223372036854775808",
                                    "-9223372036854775808",
                                    "99999999999999999999",
                                    "&H7FFFFFFFFFFFFFFF",
                                    "&HFFFFFFFFFFFFFFFF",
                                    "&O777777777777777777777",
                                    "0.5",
                                    "2.5",
                                    "-0.5",
                                    "abc",
                                    "1.2.3",
                                    "."};
    for (const std::int64_t x : edgeValues64())
        out.push_back(std::to_string(x));
    return out;
}

} // namespace test
