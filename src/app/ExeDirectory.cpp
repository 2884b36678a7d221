#include "app/ExeDirectory.h"

std::string DirectoryOfExecutable(std::string path)
{
    const std::string::size_type cut = path.find_last_of("\\/");
    if (cut == std::string::npos) {
        return path;
    }
    const bool root = cut == 0 || path[cut - 1] == ':';
    path.resize(root ? cut + 1 : cut);
    return path;
}
