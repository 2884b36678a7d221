// The program's string table.

#include "res/Resource.h"

#include "platform/core/Resources.h"

#include <algorithm>
#include <array>

namespace {

struct StringEntry {
    int id;
    std::string_view text;
};

constexpr std::array kStrings{
    StringEntry{IDS_ABOUTBOX, "Vintora 정보(&A)..."},
    StringEntry{IDS_APP_TITLE, "칼로리 계산기"},
};

} // namespace

std::string_view FindStringResource(int id)
{
    const auto it = std::ranges::find(kStrings, id, &StringEntry::id);
    return it == kStrings.end() ? std::string_view() : it->text;
}
