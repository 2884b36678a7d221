#include <gtest/gtest.h>

#include "app/ExeDirectory.h"

namespace {

struct Case {
    const char* path;
    const char* directory;
};

TEST(ExeDirectory, WindowsPathsCutAtTheLastBackslashKeepingADrivesRoot)
{
    const Case cases[] = {
        {"C:\\Program Files\\Vintora\\Vintora.exe", "C:\\Program Files\\Vintora"},
        {"C:\\Vintora.exe", "C:\\"},
        {"D:\\games\\Vintora.EXE", "D:\\games"},
        {"\\\\server\\share\\Vintora.exe", "\\\\server\\share"},
        {"C:\\a:b\\Vintora.exe", "C:\\a:b"}, // a colon elsewhere is no drive
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DirectoryOfExecutable(c.path), c.directory) << c.path;
    }
}

TEST(ExeDirectory, PosixPathsCutAtTheLastSlashKeepingTheRoot)
{
    const Case cases[] = {
        {"/usr/local/bin/vintora", "/usr/local/bin"},
        {"/vintora", "/"},
        {"/home/사용자/칼로리/vintora", "/home/사용자/칼로리"},
        {"build/app/vintora", "build/app"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DirectoryOfExecutable(c.path), c.directory) << c.path;
    }
}

TEST(ExeDirectory, PathWithoutSeparatorComesBackUnchanged)
{
    for (const char* path : {"Vintora.exe", "C:Vintora.exe", ""}) {
        EXPECT_EQ(DirectoryOfExecutable(path), path) << path;
    }
}

} // namespace
