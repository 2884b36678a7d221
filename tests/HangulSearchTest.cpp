// Finding a name by what a Korean user types: initial consonants, whole syllables, both mixed, Latin
// letters and digits, with blanks and punctuation left out; where in the name it answers.

#include "platform/core/HangulSearch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct MatchCase {
    const char* name;
    const char* typed;
    int at; // the letter where the name answers, -1 for none
};

const MatchCase kCases[] = {
    {"김치찌개", "ㄱㅊㅉㄱ", 0},                // initial consonants
    {"김치찌개", "김치", 0},                    // whole syllables
    {"현미밥", "현ㅁ", 0},                      // the two mixed
    {"현미밥", "혀", -1},                       // a typed syllable is the whole syllable
    {"김치찌개", "ㄱㅊㅈ", -1},                 // a double consonant is its own
    {"깍두기", "ㄲㄷ", 0},
    {"깍두기", "ㄱㄷ", -1},
    {"된장찌개", "ㅉㄱ", 2},                    // inside the name
    {"김치", "ㄱㅊㅉ", -1},                     // longer than the name
    {"미트소스 스파게티", "ㅁㅌㅅㅅㅅㅍ", 0},  // blanks left out
    {"사발면(컵라면)", "ㅅㅂㅁㅋ", 0},          // brackets left out
    {"사발면(컵라면)", "컵라면", 3},
    {"ABC초콜렛(1봉)", "abc", 0},               // Latin letters without regard to case
    {"ABC초콜렛(1봉)", "1ㅂ", 6},
    {"2.5", "25", 0},                           // on either side
    {"2.5", "2.5", 0},
    {"쌀밥", "", -1},                           // nothing typed answers nowhere
    {"쌀밥", " ()", -1},
    {"김\xEC", "ㄱ", 0},                        // a broken last character
};

TEST(HangulSearch, ANameAnswersWhereItsLettersMatchWhatWasTyped)
{
    for (const MatchCase& c : kCases) {
        SCOPED_TRACE(std::string(c.name) + " ← " + c.typed);
        EXPECT_EQ(HangulFind(c.name, c.typed), c.at);
        EXPECT_EQ(HangulStartsWith(c.name, c.typed), c.at == 0);
    }
}

} // namespace
