// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "core/check/CParameterCheck.h"
#include "core/format/CProjectReader.h"
#include "core/io/CStdFileSystem.h"
#include "core/publish/CPageWriter.h"

// Runs the built atw with its own settings, data and program folders.
namespace {

namespace fs = std::filesystem;

struct Result {
    int m_nCode = -1;
    std::string m_strOut;
    std::string m_strErr;
};

inline std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteAll(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("atw-cli-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "prog");
        fs::create_directories(m_dir / "site");
        m_config = m_dir / "cfg" / "Quorvex" / "AppletTavelinWizard.conf";
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // The shell command that runs atw with args in site/.
    std::string Command(const std::vector<std::string>& args) const
    {
        std::string command = "cd " + Quote((m_dir / "site").string()) +
                              " && XDG_CONFIG_HOME=" + Quote((m_dir / "cfg").string()) +
                              " XDG_DATA_HOME=" + Quote((m_dir / "data").string()) + " " + Quote(ATW_BIN_DIR "/atw") +
                              " --program-dir " + Quote((m_dir / "prog").string());
        for (const std::string& arg : args)
            command += " " + Quote(arg);
        return command;
    }

    // out: where standard output goes (a file read back into the result by
    // default); limit: a shell command run first (a ulimit).
    Result Run(const std::vector<std::string>& args, const std::string& out = "", const std::string& limit = "")
    {
        std::string command = (limit.empty() ? "" : limit + " && ") + Command(args);
        fs::remove(m_dir / "out");
        command += " >" + Quote(out.empty() ? (m_dir / "out").string() : out) + " 2>" + Quote((m_dir / "err").string());
        const int status = std::system(command.c_str());
        Result result;
        result.m_nCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.m_strOut = ReadAll(m_dir / "out");
        result.m_strErr = ReadAll(m_dir / "err");
        return result;
    }

    // A project as the editor saves it: page, .tvx and copies in site/.
    void SaveProject(const std::string& name)
    {
        CAppletParameters params;
        params.Reset();
        params.m_strName = "Shop";
        CTavelin* top = params.AddTopMenu();
        top->SetItemCount(2, false);
        top->GetItem(0)->m_strLabel = "Home\r\nPage";
        top->GetItem(0)->m_strLink = "index.htm";
        top->GetItem(1)->m_strNormalImage = (m_dir / "missing.gif").string();
        top->GetItem(1)->m_pSubMenu->InsertNewItem()->m_strLabel = "Deep";
        CPageWriter writer(params, CStdFileSystem::Instance(), (m_dir / "prog").string());
        const std::string page = (m_dir / "site" / name).string();
        ASSERT_TRUE(writer.SaveFiles(page, (m_dir / "site").string(), writer.BuildPage())) << writer.LastError();
    }

    // A template file whose one template, "Normal", holds only the applet's
    // looks: new and imported projects are then the bare model.
    void WriteNormalTemplate()
    {
        WriteAll(m_dir / "prog" / "AppletTavelinWizard.tpl",
                 "[Normal]\r\nApStyle=My Tavelina,0,200,500,0,0,,,,,,1,5,5,0,1,0,1,1,0,0,5,0\r\n");
    }

    // What the editor shows for the project of a page: its page text and report.
    std::pair<std::string, std::string> Expected(const std::string& name, bool autoSize)
    {
        CAppletParameters params;
        CProjectReader reader(params, CStdFileSystem::Instance(), (m_dir / "prog").string());
        EXPECT_TRUE(reader.LoadProject((m_dir / "site" / name).replace_extension(".tvx").string()));
        const CParameterCheck::Result check = CParameterCheck(params, CStdFileSystem::Instance()).Run();
        if (autoSize) {
            params.m_nWidth = check.width;
            params.m_nHeight = check.height;
        }
        const std::string& report = check.report;
        CPageWriter writer(params, CStdFileSystem::Instance(), (m_dir / "prog").string());
        writer.SetHtml5Runtime(true);  // the tool's default
        return {writer.BuildPage(), report};
    }

    fs::path m_dir;
    fs::path m_config;
};

}  // namespace
