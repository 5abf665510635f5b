#pragma once
// Reading and writing numbers the way every box of the program does.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// The leading-number rule used by every calculator: blanks, tabs and line feeds are
// skipped anywhere ("1 2" reads 12), then an optional sign, digits, one decimal point and
// an exponent introduced by E or D; "&H" and "&O" start hexadecimal and octal integers.
// Reading stops at the first character that does not fit; no number at all reads 0.
// A value that does not fit a double (such as "1e999") or an over-long &H/&O integer
// is reported as not valid, with value 0.
struct ReadNumber {
    double value = 0.0;
    bool valid = true;
};
ReadNumber readLeadingNumber(std::string_view text);

// Round half to even, saturating at the bounds of the 64-bit range (NaN gives 0).
std::int64_t roundHalfEven(double v);

// The whole number a box holds: its leading number rounded half to even, saturating;
// an invalid number reads 0.
std::int64_t readWholeNumber(std::string_view text);

// A whole number clamped to [lo, hi].
std::int64_t clampWhole(std::int64_t v, std::int64_t lo, std::int64_t hi);

// Sum and product that stop at the bounds of the 64-bit range instead of wrapping.
std::int64_t saturatingAdd(std::int64_t a, std::int64_t b);
std::int64_t saturatingMul(std::int64_t a, std::int64_t b);

// Plain decimal text: up to 15 significant digits, no grouping, no trailing ".0",
// a leading "-" for negatives. Whole values print without a point.
std::string formatNumber(double v);
std::string formatNumber(std::int64_t v);
inline std::string formatNumber(int v) { return formatNumber(static_cast<std::int64_t>(v)); }

// Fixed decimals ("0.00", "0.000"): rounds half away from zero on the value's
// shortest decimal form (15 significant digits), so 49.325 gives "49.33" although
// the binary double lies just below it.
std::string formatFixed(double v, int decimals);

} // namespace common
