#include "platform/core/TextBuffer.h"

#include <algorithm>
#include <cstring>

namespace layer {

int CopyText(std::string_view text, char* buffer, int size)
{
    if (!buffer || size <= 0) {
        return 0;
    }
    const int n = std::min(static_cast<int>(text.size()), size - 1);
    std::memcpy(buffer, text.data(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}

} // namespace layer
