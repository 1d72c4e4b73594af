// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

#include "core/io/CStdFileSystem.h"
#include "core/settings/CIniCodec.h"
#include "core/settings/CIniSettings.h"

namespace {

namespace fs = std::filesystem;

class IniSettings : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("atw-ini-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_path = (m_dir / "Quorvex" / "AppletTavelinWizard.conf").string();
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void Write(const std::string& text)
    {
        fs::create_directories(fs::path(m_path).parent_path());
        std::ofstream(m_path, std::ios::binary) << text;
    }
    std::string Read() const
    {
        std::ifstream in(m_path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path m_dir;
    std::string m_path;
};

}  // namespace

// The file as the editor's settings store leaves it: groups and keys
// percent-escaped, texts with commas quoted, C escapes, "@" doubled.
TEST_F(IniSettings, ReadsTheEditorsFile)
{
    Write("[General]\n"
          "loose=1\n"
          "\n"
          "[Recent%20File%20List]\n"
          "File1=/home/u/my site/menu.htm\n"
          "\n"
          "[Settings]\n"
          "Auto%20Change%20Size=1\n"
          "Tree%20Width=-150\n"
          "WindowPos=@@at start\n"
          "Quotes=say \\\"hi\\\" \\\\ back\\ttab\\nnew\\x1\\x31x\n"
          "Lead=\" lead and trail \"\n"
          "Semi=\"a;b=c\"   ; a comment after the value\n"
          "Utf=caf\xC3\xA9\n"
          "Bytes=@ByteArray(raw)\n"
          "Nothing=@Invalid()\n"
          "NotANumber=12px\n"
          "\r\n"
          "; a comment line\r\n"
          "[TEMPLATE]\r\n"
          "TemplateKey=\"Normal,solid button,X'mas\"\r\n"
          "Listed=a , b,c\n"
          "\n"
          "[Web%20Browser]\n"
          "  Use%20Default = 2\n"
          "Specify%20Browser=/usr/bin/fire fox\n");
    CIniSettings ini(CStdFileSystem::Instance(), m_path);
    EXPECT_EQ(ini.GetInt("", "loose", 0), 1);
    EXPECT_EQ(ini.GetString("Recent File List", "File1", ""), "/home/u/my site/menu.htm");
    EXPECT_EQ(ini.GetInt("Settings", "Auto Change Size", 0), 1);
    EXPECT_EQ(ini.GetInt("Settings", "Tree Width", 0), -150);
    EXPECT_EQ(ini.GetString("Settings", "WindowPos", ""), "@at start");
    EXPECT_EQ(ini.GetString("Settings", "Quotes", ""), "say \"hi\" \\ back\ttab\nnew\x01"
                                                       "1x");
    EXPECT_EQ(ini.GetString("Settings", "Lead", ""), " lead and trail ");
    EXPECT_EQ(ini.GetString("Settings", "Semi", ""), "a;b=c");
    EXPECT_EQ(ini.GetString("Settings", "Utf", ""), "caf\xC3\xA9");
    EXPECT_EQ(ini.GetString("Settings", "Bytes", ""), "raw");
    EXPECT_EQ(ini.GetString("Settings", "Nothing", "default"), "default");
    EXPECT_EQ(ini.GetInt("Settings", "NotANumber", 7), 7);
    EXPECT_EQ(ini.GetString("TEMPLATE", "TemplateKey", ""), "Normal,solid button,X'mas");
    EXPECT_EQ(ini.GetString("TEMPLATE", "Listed", ""), "a,b,c");  // an unquoted list
    EXPECT_EQ(ini.GetInt("Web Browser", "Use Default", 1), 2);
    EXPECT_EQ(ini.GetString("Web Browser", "Specify Browser", ""), "/usr/bin/fire fox");
    EXPECT_TRUE(ini.Contains("Web Browser", "Use Default"));
    EXPECT_FALSE(ini.Contains("Web Browser", "Known Browser"));
    EXPECT_FALSE(ini.Contains("Web%20Browser", "Use Default"));
    EXPECT_EQ(ini.GetInt("Web Browser", "Known Browser", 0), 0);
}

TEST_F(IniSettings, WritesWhatTheEditorReadsAndKeepsTheRest)
{
    CIniSettings ini(CStdFileSystem::Instance(), m_path);  // folder and file are made on demand
    ini.SetString("TEMPLATE", "TemplateKey", "Normal,solid button,X'mas");
    ini.SetInt("Web Browser", "Use Default", 1);
    ini.SetString("Web Browser", "Specify Browser", "@home/my \"browser\"");
    ini.SetInt("Web Browser", "Use Default", 0);
    EXPECT_FALSE(ini.WriteFailed());
    EXPECT_EQ(Read(), "[TEMPLATE]\n"
                      "TemplateKey=\"Normal,solid button,X'mas\"\n"
                      "\n"
                      "[Web%20Browser]\n"
                      "Use%20Default=0\n"
                      "Specify%20Browser=@@home/my \\\"browser\\\"\n");

    // Values this program never sets come back as they were written.
    Write("[Settings]\nWindowPos=@ByteArray(\\x1\\0\\xd9\\xd0)\nTree%20Width=150\n; dropped\n"
          "[TEMPLATE]\nTemplateKey=a,b\n");
    ini.SetString("TEMPLATE", "TemplateKey", "a,b,c,");
    EXPECT_EQ(Read(), "[Settings]\nWindowPos=@ByteArray(\\x1\\0\\xd9\\xd0)\nTree%20Width=150\n\n"
                      "[TEMPLATE]\nTemplateKey=\"a,b,c,\"\n");

    // Any text comes back as it was set.
    std::string every;
    for (int c = 0; c < 256; ++c)
        every += static_cast<char>(c);
    for (const std::string& text : {every, std::string(" x "), std::string("@"), std::string(""), std::string("\\x41"),
                                    std::string("a\n[b]\nc=d")}) {
        ini.SetString("Any", "Text", text);
        EXPECT_EQ(ini.GetString("Any", "Text", "missing"), text);
    }
    EXPECT_EQ(ini.GetString("TEMPLATE", "TemplateKey", ""), "a,b,c,");
}

TEST_F(IniSettings, NamesAreEscapedBothWays)
{
    EXPECT_EQ(CIniCodec::EscapeKey("Recent File List"), "Recent%20File%20List");
    EXPECT_EQ(CIniCodec::EscapeKey("a/b_c-d.e"), "a\\b_c-d.e");
    EXPECT_EQ(CIniCodec::EscapeKey("x=[%]\xC3\xA9\xE2\x82\xAC"), "x%3D%5B%25%5D%E9%U20AC");
    EXPECT_EQ(CIniCodec::UnescapeKey("x%3D%5B%25%5D%E9%U20AC"), "x=[%]\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(CIniCodec::UnescapeKey("a\\b%2"), "a/b%2");
    EXPECT_EQ(CIniCodec::SectionHeader(""), "[General]");
    EXPECT_EQ(CIniCodec::SectionHeader("General"), "[%General]");
    EXPECT_EQ(CIniCodec::SectionName("%General"), "General");
    EXPECT_EQ(CIniCodec::SectionName("general"), "");
}

TEST_F(IniSettings, AFileThatCannotBeReadIsNotReplaced)
{
    fs::create_directories(m_path);  // a folder where the file should be
    CIniSettings ini(CStdFileSystem::Instance(), m_path);
    ini.SetInt("Settings", "Tree Width", 5);
    EXPECT_TRUE(ini.WriteFailed());
    EXPECT_TRUE(fs::is_directory(m_path));
    EXPECT_EQ(ini.GetInt("Settings", "Tree Width", 3), 3);
}

TEST_F(IniSettings, UserFileFollowsTheConfigHome)
{
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string keep = saved ? saved : "";
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(CIniSettings::UserFile(), "/cfg/Quorvex/AppletTavelinWizard.conf");
    setenv("XDG_CONFIG_HOME", "", 1);
    const char* home = std::getenv("HOME");
    EXPECT_EQ(CIniSettings::UserFile(), std::string(home ? home : "") + "/.config/Quorvex/AppletTavelinWizard.conf");
    if (saved)
        setenv("XDG_CONFIG_HOME", keep.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}
