// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

#include "core/check/CParameterCheck.h"
#include "core/io/CStdFileSystem.h"
#include "core/publish/CPageWriter.h"
#include "core/settings/CMemorySettings.h"
#include "core/templates/CTemplateStore.h"

namespace {
const std::string kData = ATW_SOURCE_DIR "/data";

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void CollectMedia(const CTavelin& menu, std::vector<std::string>& paths)
{
    for (const auto& item : menu.m_arrItems) {
        for (const CSharedText* path : {&item->m_strNormalImage, &item->m_strOverImage, &item->m_strClickImage,
                                        &item->m_strOverAudio, &item->m_strClickAudio})
            if (!path->empty())
                paths.push_back(path->str());
        CollectMedia(*item->m_pSubMenu, paths);
    }
}
}  // namespace

TEST(TemplateData, EveryBuiltinTemplateLoadsCompleteAndChecksClean)
{
    CMemorySettings settings;
    CTemplateStore store(settings, CStdFileSystem::Instance(), kData);
    store.EnsureNameList();
    const std::vector<std::string> names = store.ListNames();
    ASSERT_EQ(names.size(), 14u);

    std::set<std::string> looks;
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        SCOPED_TRACE(names[static_cast<size_t>(i)]);
        CAppletParameters params;
        store.LoadTemplate(params, i);
        ASSERT_FALSE(params.m_arrMenus.empty());
        for (const auto& menu : params.m_arrMenus) {
            EXPECT_EQ(menu->m_bVisible, 1);
            EXPECT_GT(menu->GetItemCount(false), 0);
        }
        std::vector<std::string> media;
        for (const auto& menu : params.m_arrMenus)
            CollectMedia(*menu, media);
        for (const std::string& path : media)
            EXPECT_EQ(path.rfind(kData + "/Sample/", 0), 0u) << path;

        CParameterCheck check(params, CStdFileSystem::Instance());
        const std::string report = check.Run().report;
        EXPECT_EQ(report.find("Warning"), std::string::npos) << report;
        looks.insert(report + params.m_arrMenus[0]->GetItem(0)->m_strLabel +
                     std::to_string(params.m_arrMenus[0]->m_styleNormal.m_crBack) +
                     std::to_string(params.m_arrMenus[0]->m_styleOver.m_crBack) + params.m_strName);
    }
    EXPECT_EQ(looks.size(), names.size());  // fourteen different designs
}

TEST(TemplateData, ShippedFilesAreWellFormed)
{
    const std::string tpl = ReadAll(kData + "/AppletTavelinWizard.tpl");
    ASSERT_FALSE(tpl.empty());
    EXPECT_EQ(tpl.find("Notice"), std::string::npos);
    for (size_t i = tpl.find('\n'); i != std::string::npos; i = tpl.find('\n', i + 1))
        ASSERT_TRUE(i > 0 && tpl[i - 1] == '\r') << "bare LF at " << i;
    EXPECT_EQ(tpl.substr(tpl.size() - 2), "\r\n");

    int gifs = 0, sounds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kData + "/Sample/Image")) {
        const std::string bytes = ReadAll(entry.path());
        EXPECT_EQ(bytes.substr(0, 6), "GIF89a") << entry.path();
        EXPECT_EQ(bytes.back(), ';') << entry.path();
        ++gifs;
    }
    for (const auto& entry : std::filesystem::directory_iterator(kData + "/Sample/Audio")) {
        const std::string bytes = ReadAll(entry.path());
        ASSERT_GE(bytes.size(), 24u);
        EXPECT_EQ(bytes.substr(0, 4), ".snd");
        EXPECT_EQ(bytes.substr(12, 12), std::string("\0\0\0\1\0\0\x1f\x40\0\0\0\1", 12));
        EXPECT_LT(bytes.size(), 16384u) << entry.path();
        ++sounds;
    }
    EXPECT_GT(gifs, 0);
    EXPECT_GT(sounds, 0);
    EXPECT_NE(ReadAll(kData + "/Sample/Samples.htm").find("Image/"), std::string::npos);
}

// The generator writes the sections itself; the editor must write them back
// byte for byte, or the two have drifted apart.
TEST(TemplateData, ShippedSectionsAreInTheWritersOwnLayout)
{
    CMemorySettings settings;
    CTemplateStore store(settings, CStdFileSystem::Instance(), kData);
    store.EnsureNameList();
    const std::vector<std::string> names = store.ListNames();
    std::string rewritten;
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        CAppletParameters params;
        store.LoadTemplate(params, i);
        CPageWriter writer(params, CStdFileSystem::Instance(), kData);
        rewritten += writer.ProjectText(true, names[static_cast<size_t>(i)]);
    }
    EXPECT_EQ(rewritten, ReadAll(kData + "/AppletTavelinWizard.tpl"));
}
