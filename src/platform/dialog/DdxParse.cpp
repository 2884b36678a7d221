#include "platform/dialog/DdxParse.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>
#include <string_view>

namespace {

constexpr size_t kMaxEntryLength = 1000;

// The full-width forms that a Korean input method gives in its full-width mode ("１７０", "６０．５",
// the ideographic space) read as the characters a person meant: U+FF01–U+FF5E as ASCII '!'–'~', U+3000
// as a blank. Other characters pass unchanged, so that they are refused as before.
std::string FoldFullWidth(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[i + k]); };
        if (i + 2 < text.size() && byte(0) == 0xEF && byte(1) == 0xBC && byte(2) >= 0x81 && byte(2) <= 0xBF) {
            folded += static_cast<char>(byte(2) - 0x60); // U+FF01–U+FF3F
            i += 2;
        } else if (i + 2 < text.size() && byte(0) == 0xEF && byte(1) == 0xBD && byte(2) >= 0x80 && byte(2) <= 0x9E) {
            folded += static_cast<char>(byte(2) - 0x20); // U+FF40–U+FF5E
            i += 2;
        } else if (i + 2 < text.size() && byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
            folded += ' '; // U+3000
            i += 2;
        } else {
            folded += text[i];
        }
    }
    return folded;
}

std::string_view TrimBlanks(std::string_view s)
{
    constexpr std::string_view blanks = " \t\r\n\f\v";
    const size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

size_t CountDigits(std::string_view s, size_t pos)
{
    size_t n = 0;
    while (pos + n < s.size() && s[pos + n] >= '0' && s[pos + n] <= '9') {
        ++n;
    }
    return n;
}

// The decimal exponent of the first significant digit, to tell underflow from overflow.
long long LeadingExponent(std::string_view mantissa, long long exponent)
{
    const size_t point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const size_t firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string_view::npos) {
        return static_cast<long long>(whole.size() - firstWhole) - 1 + exponent;
    }
    if (point == std::string_view::npos) {
        return std::numeric_limits<long long>::min();
    }
    const std::string_view fraction = mantissa.substr(point + 1);
    const size_t firstFraction = fraction.find_first_not_of('0');
    return firstFraction == std::string_view::npos ? std::numeric_limits<long long>::min()
                                                   : -static_cast<long long>(firstFraction) - 1 + exponent;
}

} // namespace

BOOL ParseDdxInt(const std::string& text, int& value)
{
    if (text.size() > kMaxEntryLength) {
        return FALSE;
    }
    const std::string folded = FoldFullWidth(text);
    std::string_view s = TrimBlanks(folded);
    // One sign at most: "+-5" is no number.
    const size_t sign = !s.empty() && (s.front() == '+' || s.front() == '-') ? 1 : 0;
    if (CountDigits(s, sign) == 0 || sign + CountDigits(s, sign) != s.size()) {
        return FALSE;
    }
    if (s.front() == '+') {
        s.remove_prefix(1); // from_chars reads a minus sign only
    }
    int parsed = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), parsed);
    if (ec != std::errc() || end != s.data() + s.size()) {
        return FALSE; // out of the signed 32-bit range
    }
    value = parsed;
    return TRUE;
}

BOOL ParseDdxDouble(const std::string& text, double& value)
{
    if (text.size() > kMaxEntryLength) {
        return FALSE;
    }
    const std::string folded = FoldFullWidth(text);
    std::string_view s = TrimBlanks(folded);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    // digits [. digits] or . digits, then an optional exponent: nothing else (no inf, nan or hex).
    const size_t whole = CountDigits(s, 0);
    size_t pos = whole;
    size_t fraction = 0;
    if (pos < s.size() && s[pos] == '.') {
        fraction = CountDigits(s, pos + 1);
        pos += 1 + fraction;
    }
    if (whole + fraction == 0) {
        return FALSE;
    }
    const std::string_view mantissa = s.substr(0, pos);
    long long exponent = 0;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        size_t e = pos + 1;
        const bool negativeExponent = e < s.size() && s[e] == '-';
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) {
            ++e;
        }
        const size_t digits = CountDigits(s, e);
        if (digits == 0) {
            return FALSE;
        }
        for (size_t i = e; i < e + digits; ++i) {
            exponent = std::min(exponent * 10 + (s[i] - '0'), 1'000'000'000LL);
        }
        exponent = negativeExponent ? -exponent : exponent;
        pos = e + digits;
    }
    if (pos != s.size()) {
        return FALSE;
    }
    double parsed = 0.0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), parsed);
    if (ec == std::errc::result_out_of_range) {
        if (LeadingExponent(mantissa, exponent) >= 0) {
            return FALSE; // too large for a double
        }
        parsed = 0.0; // too small: it is zero
    } else if (ec != std::errc() || end != s.data() + s.size()) {
        return FALSE;
    }
    value = negative ? -parsed : parsed;
    return TRUE;
}

std::string FormatDdxInt(int value) { return std::to_string(value); }

std::string FormatDdxDouble(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}
