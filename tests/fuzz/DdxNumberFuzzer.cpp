// Fuzzes the reading of numbers from entry fields (ParseDdxInt, ParseDdxDouble) against the C library's
// own reading of the same text, full-width forms taken as their ASCII ones: an entry is accepted exactly
// when, blanks around it aside, it holds nothing but a number that strtoll / strtod read whole, within
// 32 bits for an int and finite for a double; the value is the C library's; a refused entry leaves the member as it was; and what the
// exchange writes back into an edit reads back as the same number.

#include "FuzzCheck.h"
#include "platform/dialog/DdxParse.h"

#include <bit>
#include <cctype>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

using fuzz::Check;

constexpr std::size_t kMaxEntryLength = 1000;
constexpr int kIntSentinel = 0x5a5a5a5a;
constexpr double kRealSentinel = -12345.678;

// The text with each full-width form (U+FF01–U+FF5E) as its ASCII character and the ideographic space
// (U+3000) as a blank, decoded as code points; any other byte stays as it is.
std::string AsciiForms(std::string_view s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i + 2 < s.size()) {
            const auto b0 = static_cast<unsigned char>(s[i]);
            const auto b1 = static_cast<unsigned char>(s[i + 1]);
            const auto b2 = static_cast<unsigned char>(s[i + 2]);
            if ((b0 & 0xF0) == 0xE0 && (b1 & 0xC0) == 0x80 && (b2 & 0xC0) == 0x80) {
                const unsigned cp = (b0 & 0x0Fu) << 12 | (b1 & 0x3Fu) << 6 | (b2 & 0x3Fu);
                if (cp >= 0xFF01 && cp <= 0xFF5E) {
                    out += static_cast<char>(cp - 0xFEE0);
                    i += 2;
                    continue;
                }
                if (cp == 0x3000) {
                    out += ' ';
                    i += 2;
                    continue;
                }
            }
        }
        out += s[i];
    }
    return out;
}

std::string_view TrimmedAsCDoes(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) {
        s.remove_prefix(1);
    }
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) {
        s.remove_suffix(1);
    }
    return s;
}

// The text read whole by strtoll, when it holds only digits and signs (so no blanks, hex or letters).
std::optional<long long> CInteger(std::string_view text)
{
    if (text.empty() || text.find_first_not_of("0123456789+-") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string s(text);
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    if (end != s.c_str() + s.size() || errno == ERANGE) {
        return std::nullopt;
    }
    return v;
}

// The text read whole by strtod, when it holds only digits, signs, a point and exponent marks (so no
// "inf", "nan" or hex forms); nothing when the value overflows.
std::optional<double> CReal(std::string_view text)
{
    if (text.empty() || text.find_first_not_of("0123456789+-.eE") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string s(text);
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

void CheckInteger(const std::string& text)
{
    std::optional<long long> expected;
    if (text.size() <= kMaxEntryLength) {
        expected = CInteger(TrimmedAsCDoes(AsciiForms(text)));
    }
    const bool fits = expected && *expected >= INT_MIN && *expected <= INT_MAX;
    int value = kIntSentinel;
    const bool accepted = ParseDdxInt(text, value) != FALSE;
    Check(accepted == fits, "an int entry is accepted exactly when strtoll reads it whole within 32 bits");
    if (!accepted) {
        Check(value == kIntSentinel, "a refused int entry leaves the member as it was");
        return;
    }
    Check(value == *expected, "an accepted int entry holds strtoll's value");
    int again = ~value;
    Check(ParseDdxInt(FormatDdxInt(value), again) && again == value, "a written int reads back as itself");
}

void CheckReal(const std::string& text)
{
    std::optional<double> expected;
    if (text.size() <= kMaxEntryLength) {
        expected = CReal(TrimmedAsCDoes(AsciiForms(text)));
    }
    double value = kRealSentinel;
    const bool accepted = ParseDdxDouble(text, value) != FALSE;
    Check(accepted == expected.has_value(),
          "a double entry is accepted exactly when strtod reads it whole and finite");
    if (!accepted) {
        Check(std::bit_cast<std::uint64_t>(value) == std::bit_cast<std::uint64_t>(kRealSentinel),
              "a refused double entry leaves the member as it was");
        return;
    }
    Check(std::isfinite(value), "an accepted double entry is finite");
    Check(std::signbit(value) == std::signbit(*expected), "an accepted double entry keeps strtod's sign");
    // Below the normal range strtod keeps what it can of the value; the exchange may read it as zero.
    Check(value == *expected || (std::fabs(*expected) < DBL_MIN && value == 0.0),
          "an accepted double entry holds strtod's value");
    double again = kRealSentinel;
    Check(ParseDdxDouble(FormatDdxDouble(value), again) != FALSE, "a written double reads back");
    Check(std::fabs(value) < DBL_MIN ? std::fabs(again) < DBL_MIN
                                     : std::fabs(again - value) <= 1e-14 * std::fabs(value),
          "a written double reads back as itself to fifteen digits");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckInteger(text);
    CheckReal(text);
    return 0;
}
