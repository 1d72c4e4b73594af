// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

#include "core/io/CStdFileSystem.h"
#include "core/publish/CPageWriter.h"
#include "support/RandomModel.h"

namespace {
namespace fs = std::filesystem;

// The real file system, except that every file it writes lands on a device
// that is always full, so writes fail part-way through.
class FullDiskFileSystem : public CStdFileSystem {
protected:
    std::FILE* OpenForWriting(const std::string&, mode_t) override { return std::fopen("/dev/full", "wb"); }
};

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
}  // namespace

TEST(SaveFault, LargeProjectOnAFullDiskLeavesTheOldFilesByteForByte)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    const fs::path dir = fs::temp_directory_path() / ("atw-full-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string page = (dir / "menu.htm").string();

    CAppletParameters params;
    RandomModel::Options options;
    options.items = 100000;
    options.longTextPercent = 0;
    RandomModel(7).Fill(params, options);
    CPageWriter good(params, CStdFileSystem::Instance(), dir.string());
    ASSERT_TRUE(good.SaveFiles(page, dir.string(), good.BuildPage()));
    const std::string oldPage = ReadAll(dir / "menu.htm");
    const std::string oldProject = ReadAll(dir / "menu.tvx");
    ASSERT_GT(oldProject.size(), 1000000u);

    params.m_arrMenus.front()->GetItem(0)->m_strLabel = "changed";
    FullDiskFileSystem full;
    CPageWriter writer(params, full, dir.string());
    EXPECT_FALSE(writer.SaveFiles(page, dir.string(), writer.BuildPage()));
    EXPECT_EQ(writer.LastError(), "Save as file failed!");
    EXPECT_EQ(ReadAll(dir / "menu.htm"), oldPage);
    EXPECT_EQ(ReadAll(dir / "menu.tvx"), oldProject);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir))
        ++entries;
    EXPECT_EQ(entries, 2);  // no temporary file left behind
    fs::remove_all(dir);
}

// A file too large to hold in memory (sparse, a terabyte by its size) makes
// both readers throw; neither leaves its descriptor open behind.
TEST(SaveFault, ReadersThatRunOutOfMemoryCloseTheFile)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizers end the process on an allocation this large";
#endif
    const fs::path file = fs::temp_directory_path() / ("atw-huge-" + std::to_string(::getpid()));
    std::ofstream(file).close();
    fs::resize_file(file, std::uintmax_t{1} << 40);
    const auto openFiles = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), {}); };
    const auto before = openFiles();
    CStdFileSystem files;
    std::string text;
    EXPECT_THROW(files.ReadFile(file.string(), text), std::bad_alloc);
    std::unique_ptr<char[]> bytes;
    size_t size = 0;
    EXPECT_THROW(files.ReadBytes(file.string(), bytes, size), std::bad_alloc);
    EXPECT_EQ(openFiles(), before);
    fs::remove(file);
}
