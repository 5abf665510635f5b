#include "common/file_exists.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(FileExists, FindsOnlyNormalFiles)
{
    const fs::path dir = fs::temp_directory_path() / "file_exists_test";
    fs::remove_all(dir);
    fs::create_directories(dir / "test.dat.d");
    std::ofstream(dir / "test.dat") << "1";
    std::ofstream(dir / ".hidden.dat") << "1";
    fs::create_directories(dir / "only_a_dir.dat");

    struct Case {
        std::string name;
        bool found;
    };
    const Case cases[] = {
        {(dir / "test.dat").string(), true},
        {(dir / "missing.dat").string(), false},
        {(dir / "only_a_dir.dat").string(), false}, // a directory is no file
        {(dir / ".hidden.dat").string(), false},    // nor is a hidden file
        {(dir / "t*.dat").string(), true},          // wild cards are a pattern
        {(dir / "?est.dat").string(), true},
        {(dir / "*.txt").string(), false},
        {(dir / "only_*").string(), false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(common::fileExists(c.name), c.found) << c.name;

    const fs::path old = fs::current_path();
    fs::current_path(dir);
    EXPECT_TRUE(common::fileExists("test.dat")); // a relative name: the current directory
    fs::current_path(old);
    fs::remove_all(dir);
}
