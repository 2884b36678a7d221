#include "platform/core/HangulSearch.h"

#include <array>
#include <cstddef>
#include <vector>

namespace {

constexpr char32_t kFirstSyllable = 0xAC00; // 가
constexpr char32_t kLastSyllable = 0xD7A3;  // 힣
constexpr char32_t kSyllablesPerInitial = 21 * 28; // vowels × finals
constexpr char32_t kReplacement = 0xFFFD;

// The initial consonants of the syllables in their order, as the compatibility letters a keyboard types:
// ㄱ ㄲ ㄴ ㄷ ㄸ ㄹ ㅁ ㅂ ㅃ ㅅ ㅆ ㅇ ㅈ ㅉ ㅊ ㅋ ㅌ ㅍ ㅎ.
constexpr std::array<char32_t, 19> kInitials{0x3131, 0x3132, 0x3134, 0x3137, 0x3138, 0x3139, 0x3141,
                                             0x3142, 0x3143, 0x3145, 0x3146, 0x3147, 0x3148, 0x3149,
                                             0x314A, 0x314B, 0x314C, 0x314D, 0x314E};

bool IsSyllable(char32_t c) { return c >= kFirstSyllable && c <= kLastSyllable; }

bool IsInitial(char32_t c)
{
    for (const char32_t initial : kInitials) {
        if (initial == c) {
            return true;
        }
    }
    return false;
}

char32_t InitialOf(char32_t syllable) { return kInitials[(syllable - kFirstSyllable) / kSyllablesPerInitial]; }

// One code point from the front of `text`; a byte that starts no valid sequence stands for itself as U+FFFD.
char32_t TakeCodePoint(std::string_view& text)
{
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || length > text.size()) {
        text.remove_prefix(1);
        return kReplacement;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next >> 6) != 0x2) {
            text.remove_prefix(1);
            return kReplacement;
        }
        c = (c << 6) | (next & 0x3F);
    }
    text.remove_prefix(length);
    return c;
}

// The letters of a text: blanks and punctuation (the other ASCII characters) left out, Latin letters in
// lower case.
std::vector<char32_t> Letters(std::string_view text)
{
    std::vector<char32_t> letters;
    while (!text.empty()) {
        char32_t c = TakeCodePoint(text);
        const bool digit = c >= '0' && c <= '9';
        const bool upper = c >= 'A' && c <= 'Z';
        const bool lower = c >= 'a' && c <= 'z';
        if (c < 0x80 && !digit && !upper && !lower) {
            continue;
        }
        letters.push_back(upper ? c - 'A' + 'a' : c);
    }
    return letters;
}

// A typed consonant answers to every syllable that starts with it; any other letter to itself.
bool Answers(char32_t nameLetter, char32_t typedLetter)
{
    return nameLetter == typedLetter ||
           (IsInitial(typedLetter) && IsSyllable(nameLetter) && InitialOf(nameLetter) == typedLetter);
}

bool AnswersAt(const std::vector<char32_t>& name, std::size_t at, const std::vector<char32_t>& typed)
{
    if (name.size() - at < typed.size()) {
        return false;
    }
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (!Answers(name[at + i], typed[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

int HangulFind(std::string_view name, std::string_view typed)
{
    const std::vector<char32_t> typedLetters = Letters(typed);
    const std::vector<char32_t> nameLetters = Letters(name);
    if (typedLetters.empty()) {
        return -1;
    }
    for (std::size_t at = 0; at < nameLetters.size(); ++at) {
        if (AnswersAt(nameLetters, at, typedLetters)) {
            return static_cast<int>(at);
        }
    }
    return -1;
}

bool HangulStartsWith(std::string_view name, std::string_view typed)
{
    const std::vector<char32_t> typedLetters = Letters(typed);
    return !typedLetters.empty() && AnswersAt(Letters(name), 0, typedLetters);
}
