#include "platform/core/TextBuffer.h"

#include <algorithm>

namespace layer {

int CopyText(std::string_view text, char* buffer, int size)
{
    if (!buffer || size <= 0) {
        return 0;
    }
    const int n = std::min(static_cast<int>(text.size()), size - 1);
    std::copy_n(text.data(), n, buffer); // an empty view may have no data at all, which memcpy may not take
    buffer[n] = '\0';
    return n;
}

} // namespace layer
