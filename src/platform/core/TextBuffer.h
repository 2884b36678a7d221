#pragma once
// Text into a caller's buffer, as the classic calls that fill one do.

#include <string_view>

namespace layer {
// Copies at most size − 1 bytes of text and a 0 into buffer; answers the length copied (0 for no buffer).
int CopyText(std::string_view text, char* buffer, int size);
} // namespace layer
