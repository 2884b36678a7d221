#pragma once
// Finding a name by what a Korean user types, as phone books and search boxes do: a typed consonant
// (ㄱ … ㅎ, ㄲ ㄸ ㅃ ㅆ ㅉ) stands for any syllable that begins with it (초성), a typed syllable for that
// syllable, and the two mix ("현ㅁ" finds 현미밥). Latin letters match without regard to case, digits
// and other letters as they are. Blanks and punctuation count on neither side, so "ㅅㅂㅁㅋ" finds
// "사발면(컵라면)". Texts are UTF-8. The drop-down lists' type-ahead and the program's dish finder share it.

#include <string_view>

// The first letter of `name` from which it answers to `typed`, counted in the name's letters (blanks and
// punctuation left out), 0 for the start; -1 when it answers nowhere or `typed` holds no letter.
int HangulFind(std::string_view name, std::string_view typed);
// Whether `name` answers to `typed` from its first letter.
bool HangulStartsWith(std::string_view name, std::string_view typed);
