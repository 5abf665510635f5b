#include "common/numbers.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace common {

namespace {

bool isSkippable(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Copies the characters that are not skipped, so the parser sees one compact run.
std::string compact(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (!isSkippable(c))
            out.push_back(c);
    return out;
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

// &H / &O integers: up to 16 bits they read as a signed 16-bit value, up to 32 bits as a
// signed 32-bit value; anything longer does not fit and is invalid.
ReadNumber readRadixInteger(std::string_view s, int radix)
{
    std::uint64_t v = 0;
    int bits = 0;
    const int bitsPerDigit = radix == 16 ? 4 : 3;
    std::size_t i = 0;
    while (i < s.size() && digitValue(s[i]) < radix) {
        v = v * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digitValue(s[i]));
        if (v != 0 || bits != 0)
            bits += bitsPerDigit;
        if (bits > 40)
            return {0.0, false};
        ++i;
    }
    if (v <= 0xFFFFu)
        return {static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(v))), true};
    if (v <= 0xFFFFFFFFu)
        return {static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(v))), true};
    return {0.0, false};
}

} // namespace

ReadNumber readLeadingNumber(std::string_view text)
{
    const std::string s = compact(text);
    if (s.size() >= 2 && s[0] == '&') {
        const char k = s[1];
        if (k == 'H' || k == 'h')
            return readRadixInteger(std::string_view(s).substr(2), 16);
        if (k == 'O' || k == 'o')
            return readRadixInteger(std::string_view(s).substr(2), 8);
        return {};
    }
    // Build the longest prefix of the form [sign] digits [. digits] [(E|D) [sign] digits].
    std::string num;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        num.push_back(s[i++]);
    bool anyDigit = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        num.push_back(s[i++]);
        anyDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        num.push_back(s[i++]);
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            num.push_back(s[i++]);
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return {};
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exp.push_back(s[j++]);
        bool expDigit = false;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            exp.push_back(s[j++]);
            expDigit = true;
        }
        if (expDigit)
            num += exp;
    }
    if (num == "." || num == "+." || num == "-.")
        return {};
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(num.c_str(), &end);
    if (errno == ERANGE && std::isinf(v))
        return {0.0, false};
    if (!std::isfinite(v))
        return {0.0, false};
    if (errno == ERANGE)   // underflow: the value is as good as 0
        return {v, true};
    return {v, true};
}

std::int64_t roundHalfEven(double v)
{
    if (std::isnan(v))
        return 0;
    constexpr double lim = 9223372036854775807.0; // rounds to 2^63
    if (v >= lim)
        return std::numeric_limits<std::int64_t>::max();
    if (v <= -lim)
        return std::numeric_limits<std::int64_t>::min();
    const double r = std::nearbyint(v); // default rounding mode: to nearest, ties to even
    if (r >= lim)
        return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(r);
}

std::int64_t readWholeNumber(std::string_view text)
{
    const ReadNumber r = readLeadingNumber(text);
    return r.valid ? roundHalfEven(r.value) : 0;
}

std::int64_t clampWhole(std::int64_t v, std::int64_t lo, std::int64_t hi)
{
    return v < lo ? lo : (v > hi ? hi : v);
}

std::int64_t saturatingAdd(std::int64_t a, std::int64_t b)
{
    std::int64_t r = 0;
    if (__builtin_add_overflow(a, b, &r))
        return b > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
    return r;
}

std::int64_t saturatingMul(std::int64_t a, std::int64_t b)
{
    std::int64_t r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        return (a < 0) != (b < 0) ? std::numeric_limits<std::int64_t>::min()
                                  : std::numeric_limits<std::int64_t>::max();
    return r;
}

std::string formatNumber(std::int64_t v) { return std::to_string(v); }

namespace {

// The value's decimal digits to 15 significant places: digits (no leading zeros unless
// the value is 0) and the power of ten of the first digit.
struct Decimal {
    bool negative = false;
    std::vector<int> digits; // most significant first
    int exponent = 0;        // value = 0.d1d2d3... * 10^(exponent + 1)
};

Decimal toDecimal(double v)
{
    Decimal d;
    d.negative = std::signbit(v) && v != 0.0;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.digits.push_back(*p - '0');
    if (*p == 'e')
        d.exponent = std::atoi(p + 1);
    while (d.digits.size() > 1 && d.digits.back() == 0)
        d.digits.pop_back();
    return d;
}

} // namespace

std::string formatNumber(double v)
{
    if (std::isnan(v))
        return "0";
    if (std::isinf(v))
        return v > 0 ? "1.79769313486232E+308" : "-1.79769313486232E+308";
    if (v == 0.0)
        return "0";
    const Decimal d = toDecimal(v);
    std::string out = d.negative ? "-" : "";
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent >= 15 || d.exponent < -15) {
        // Scientific form for very large or very small magnitudes.
        out.push_back(static_cast<char>('0' + d.digits[0]));
        if (n > 1) {
            out.push_back('.');
            for (int i = 1; i < n; ++i)
                out.push_back(static_cast<char>('0' + d.digits[static_cast<std::size_t>(i)]));
        }
        char buf[16];
        std::snprintf(buf, sizeof buf, "E%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
        return out + buf;
    }
    if (d.exponent < 0) {
        out += "0.";
        for (int i = 0; i < -d.exponent - 1; ++i)
            out.push_back('0');
        for (int x : d.digits)
            out.push_back(static_cast<char>('0' + x));
        return out;
    }
    for (int i = 0; i <= d.exponent; ++i)
        out.push_back(static_cast<char>('0' + (i < n ? d.digits[static_cast<std::size_t>(i)] : 0)));
    if (n > d.exponent + 1) {
        out.push_back('.');
        for (int i = d.exponent + 1; i < n; ++i)
            out.push_back(static_cast<char>('0' + d.digits[static_cast<std::size_t>(i)]));
    }
    return out;
}

std::string formatFixed(double v, int decimals)
{
    // Past 340 decimals every double shows all its digits: more only adds zeros.
    constexpr int kMostDecimals = 340;
    decimals = std::clamp(decimals, 0, kMostDecimals);
    if (!std::isfinite(v))
        v = 0.0;
    Decimal d = toDecimal(v);
    // Integer digits (index 0 = the units' most significant) and fraction digits.
    std::vector<int> intPart;
    std::vector<int> frac;
    const int n = static_cast<int>(d.digits.size());
    if (v != 0.0) {
        for (int i = 0; i <= d.exponent; ++i)
            intPart.push_back(i < n ? d.digits[static_cast<std::size_t>(i)] : 0);
        for (int i = 0; i < decimals + 1; ++i) {
            const int idx = d.exponent + 1 + i; // digit index for 10^-(i+1)
            frac.push_back(idx >= 0 && idx < n ? d.digits[static_cast<std::size_t>(idx)] : 0);
        }
    } else {
        frac.assign(static_cast<std::size_t>(decimals + 1), 0);
    }
    if (intPart.empty())
        intPart.push_back(0);
    const bool roundUp = frac.back() >= 5;
    frac.pop_back();
    if (roundUp) {
        int carry = 1;
        for (int i = static_cast<int>(frac.size()) - 1; i >= 0 && carry; --i) {
            int& x = frac[static_cast<std::size_t>(i)];
            x += carry;
            carry = x / 10;
            x %= 10;
        }
        for (int i = static_cast<int>(intPart.size()) - 1; i >= 0 && carry; --i) {
            int& x = intPart[static_cast<std::size_t>(i)];
            x += carry;
            carry = x / 10;
            x %= 10;
        }
        if (carry)
            intPart.insert(intPart.begin(), 1);
    }
    bool allZero = true;
    for (int x : intPart)
        allZero = allZero && x == 0;
    for (int x : frac)
        allZero = allZero && x == 0;
    std::string out = (d.negative && !allZero) ? "-" : "";
    for (int x : intPart)
        out.push_back(static_cast<char>('0' + x));
    if (decimals > 0) {
        out.push_back('.');
        for (int x : frac)
            out.push_back(static_cast<char>('0' + x));
    }
    return out;
}

} // namespace common
