// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/settings/CAppSettings.h"
#include "core/settings/CMemorySettings.h"

TEST(Settings, MemoryStoreKeepsIntsAndTexts)
{
    CMemorySettings store;
    EXPECT_FALSE(store.Contains("S", "k"));
    EXPECT_EQ(store.GetInt("S", "k", 7), 7);
    EXPECT_EQ(store.GetString("S", "k", "d"), "d");

    store.SetInt("S", "k", -12);
    EXPECT_TRUE(store.Contains("S", "k"));
    EXPECT_FALSE(store.Contains("S", "K"));  // keys are exact
    EXPECT_EQ(store.GetInt("S", "k", 0), -12);
    EXPECT_EQ(store.GetString("S", "k", ""), "-12");

    store.SetString("S", "k", "12abc");
    EXPECT_EQ(store.GetInt("S", "k", 3), 3);  // not a number: the default
    store.SetString("S", "k", "");
    EXPECT_EQ(store.GetString("S", "k", "d"), "");  // stored empty is not missing
    store.Remove("S", "k");
    EXPECT_EQ(store.Count(), 0u);
}

TEST(Settings, EmptyStoreReadsTheDefaultsOfEveryRow)
{
    CMemorySettings store;
    const CAppSettings settings(store);
    EXPECT_EQ(settings.BrowserMode(), 1);
    EXPECT_EQ(settings.BrowserPath(), "");
    EXPECT_EQ(settings.KnownBrowser(), 0);
    EXPECT_EQ(settings.TemplateList(), "Normal");
    EXPECT_EQ(settings.TemplateList(""), "");
    EXPECT_FALSE(settings.AutoChangeSize());
    EXPECT_FALSE(settings.HasWindowPos());
    EXPECT_EQ(settings.TreeWidth(), 150);
    EXPECT_EQ(settings.TreeHeight(), 150);
    EXPECT_TRUE(settings.Html5Runtime());  // pages work in today's browsers unless turned off
    EXPECT_TRUE(settings.RecentFiles().empty());
    EXPECT_EQ(store.Count(), 0u);
}

TEST(Settings, EveryRowIsWrittenUnderItsSectionAndKey)
{
    CMemorySettings store;
    CAppSettings settings(store);
    settings.SetBrowserMode(0);
    settings.SetBrowserPath("/usr/bin/browser");
    settings.SetKnownBrowser(2);
    settings.SetTemplateList("a,b,");
    settings.SetAutoChangeSize(true);
    settings.SetWindowPos("0,1,10,10,600,400");
    settings.SetTreeWidth(210);
    settings.SetTreeHeight(320);

    EXPECT_EQ(store.GetInt("Web Browser", "Use Default", -1), 0);
    EXPECT_EQ(store.GetString("Web Browser", "Specify Browser", ""), "/usr/bin/browser");
    EXPECT_EQ(store.GetInt("Web Browser", "Known Browser", -1), 2);
    EXPECT_EQ(store.GetString("TEMPLATE", "TemplateKey", ""), "a,b,");
    EXPECT_EQ(store.GetInt("Settings", "Auto Change Size", -1), 1);
    EXPECT_EQ(store.GetString("Settings", "WindowPos", ""), "0,1,10,10,600,400");
    EXPECT_EQ(store.GetInt("Settings", "Tree Width", -1), 210);
    EXPECT_EQ(store.GetInt("Settings", "Tree Height", -1), 320);

    EXPECT_EQ(settings.BrowserMode(), 0);
    EXPECT_TRUE(settings.AutoChangeSize());
    EXPECT_TRUE(settings.HasWindowPos());
    EXPECT_EQ(settings.TreeHeight(), 320);
}

TEST(Settings, RecentFileListHoldsFourEntries)
{
    CMemorySettings store;
    CAppSettings settings(store);
    settings.SetRecentFiles({"/a.htm", "/b.htm", "/c.htm", "/d.htm", "/e.htm"});
    EXPECT_EQ(store.GetString("Recent File List", "File4", ""), "/d.htm");
    EXPECT_FALSE(store.Contains("Recent File List", "File5"));
    EXPECT_EQ(settings.RecentFiles(), (std::vector<std::string>{"/a.htm", "/b.htm", "/c.htm", "/d.htm"}));

    settings.SetRecentFiles({"/x.htm"});
    EXPECT_EQ(settings.RecentFiles(), std::vector<std::string>{"/x.htm"});
    EXPECT_EQ(settings.RecentFile(2), "");

    settings.SetRecentFile(0, "/no.htm");
    settings.SetRecentFile(5, "/no.htm");
    EXPECT_EQ(settings.RecentFile(0), "");
    EXPECT_EQ(settings.RecentFile(5), "");
    EXPECT_FALSE(store.Contains("Recent File List", "File0"));
}
