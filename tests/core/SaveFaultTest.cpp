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
