#pragma once
// The directory of the program, from the executable's full path, for making it the current directory.

#include <string>

// The path cut at its last separator ('\\' or '/'). The separator stays when it is the root's: the
// first character ("/vintora" gives "/") or right after a drive's colon ("C:\\Vintora.exe" gives
// "C:\\"). A path without separator comes back unchanged.
std::string DirectoryOfExecutable(std::string path);
