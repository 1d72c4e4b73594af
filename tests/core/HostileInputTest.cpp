// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// Projects, settings and template files made to hurt: links to private
// files, counts of billions, pipes and devices in a file's place, damaged
// settings. Each gets a message or a refusal, never a crash, a hang, a leak
// of a private file or a loss of data.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <new>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/check/CParameterCheck.h"
#include "core/io/CStdFileSystem.h"
#include "core/project/CProjectService.h"
#include "core/publish/CPageWriter.h"
#include "core/settings/CIniSettings.h"
#include "core/settings/CMemorySettings.h"
#include "core/templates/CTemplateStore.h"
#include "support/MemoryFileSystem.h"

namespace {
namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const fs::path& path, const std::string& text, mode_t mode = 0644)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    ::chmod(path.c_str(), mode);
}

std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class HostileInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("atw-hostile-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "site");
        fs::create_directories(m_dir / "prog");
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    // The built atw under a time limit; its exit code, standard error in err.
    int Atw(const std::string& args, std::string& err)
    {
        const std::string command = "XDG_CONFIG_HOME=" + Quote(Path("cfg")) + " XDG_DATA_HOME=" + Quote(Path("data")) +
                                    " timeout 20 " + Quote(ATW_BIN_DIR "/atw") + " --program-dir " +
                                    Quote(Path("prog")) + " " + args + " >/dev/null 2>" + Quote(Path("err"));
        const int status = std::system(command.c_str());
        err = ReadAll(m_dir / "err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path m_dir;
};

// Reads that run out of memory, as a damaged file far larger than it looks
// would make them.
class ExhaustedFileSystem : public MemoryFileSystem {
public:
    bool ReadFile(const std::string&, std::string&) override { throw std::bad_alloc(); }
};
}  // namespace

// A link named like a picture is copied only when it leads to a picture; a
// link to a private key or to a text file is refused and the check says
// why. A copy never gets wider permissions than its source.
TEST_F(HostileInput, MediaLinksAreJudgedWithoutFollowingThem)
{
    WriteAll(m_dir / "keys" / "id_rsa", "PRIVATE KEY", 0600);
    WriteAll(m_dir / "pics" / "pic.gif", "GIF89a", 0600);
    WriteAll(m_dir / "pics" / "notes.txt", "notes", 0644);
    WriteAll(m_dir / "pics" / "back.png", "PNG", 0640);
    fs::create_symlink(m_dir / "keys" / "id_rsa", m_dir / "pics" / "logo.gif");
    fs::create_symlink("pic.gif", m_dir / "pics" / "alias.gif");
    fs::create_symlink("notes.txt", m_dir / "pics" / "fake.gif");

    CAppletParameters params;
    params.m_strBackImage = Path("pics/back.png");
    CTavelinItem* item = params.AddTopMenu()->InsertNewItem();
    item->m_strLabel = "Home";
    item->m_strNormalImage = Path("pics/logo.gif");
    item->m_strOverImage = Path("pics/alias.gif");
    item->m_strClickImage = Path("pics/fake.gif");
    const CProjectResult saved =
        CProjectService(CStdFileSystem::Instance(), Path("prog")).Save(params, Path("site/menu.htm"));
    ASSERT_TRUE(saved) << saved.Error();

    EXPECT_FALSE(fs::exists(m_dir / "site" / "logo.gif"));
    EXPECT_FALSE(fs::exists(m_dir / "site" / "fake.gif"));
    EXPECT_EQ(ReadAll(m_dir / "site" / "alias.gif"), "GIF89a");
    EXPECT_FALSE(fs::is_symlink(m_dir / "site" / "alias.gif"));
    struct stat st {};
    ASSERT_EQ(::stat((m_dir / "site" / "alias.gif").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777 & ~0600u, 0u);
    ASSERT_EQ(::stat((m_dir / "site" / "back.png").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777 & ~0640u, 0u);
    EXPECT_EQ(ReadAll(m_dir / "site" / "menu.htm").find("logo.gif"), std::string::npos);

    const std::string report = CParameterCheck(params, CStdFileSystem::Instance()).Run().report;
    for (const char* name : {"logo.gif", "fake.gif"})
        EXPECT_NE(report.find(std::string(name) + "\" is a symbolic link that does not lead to an image"),
                  std::string::npos)
            << name << "\n"
            << report;
    EXPECT_EQ(report.find("alias.gif\" is a symbolic link"), std::string::npos);
}

// A copy that fails (a folder of its name in the way) and two files of one
// name are reported; atw names them and exits 1, and the page and project
// file are written all the same.
TEST_F(HostileInput, FailedAndClashingCopiesAreReported)
{
    WriteAll(m_dir / "a" / "in.gif", "A");
    WriteAll(m_dir / "b" / "same.gif", "B1");
    WriteAll(m_dir / "c" / "same.gif", "B2");
    CAppletParameters params;
    CTavelin* top = params.AddTopMenu();
    top->SetItemCount(2, false);
    top->GetItem(0)->m_strNormalImage = Path("a/in.gif");
    top->GetItem(0)->m_strOverImage = Path("b/same.gif");
    top->GetItem(1)->m_strNormalImage = Path("c/same.gif");
    ASSERT_TRUE(CProjectService(CStdFileSystem::Instance(), Path("prog")).Save(params, Path("site/menu.htm")));
    const std::string report = CParameterCheck(params, CStdFileSystem::Instance()).Run().report;
    EXPECT_NE(report.find("have the same name; only the first is copied"), std::string::npos) << report;

    fs::create_directories(m_dir / "out" / "in.gif");
    std::string err;
    EXPECT_EQ(Atw("save " + Quote(Path("site/menu.htm")) + " " + Quote(Path("out/menu.htm")), err), 1);
    EXPECT_NE(err.find("in.gif\" could not be copied"), std::string::npos) << err;
    EXPECT_NE(err.find("same.gif\" was not copied"), std::string::npos) << err;
    EXPECT_TRUE(fs::is_regular_file(m_dir / "out" / "menu.htm"));
    EXPECT_EQ(ReadAll(m_dir / "out" / "menu.tvx"), ReadAll(m_dir / "site" / "menu.tvx"));
    EXPECT_EQ(ReadAll(m_dir / "out" / "same.gif"), "B1");
}

// A "Misc" line that claims a million menus of 2,147,483,647 items each
// opens with warnings in a moment and modest memory; running out of memory
// while opening is a project that could not be opened, and the project in
// hand stays as it was.
TEST_F(HostileInput, HugeCountsAndExhaustedMemoryDoNotCrash)
{
    std::string misc = "[Tavelin1.0]\r\nMisc=1000000,";
    for (int m = 0; m < 1000000; ++m)
        misc += "2147483647,";
    WriteAll(m_dir / "site" / "big.tvx", misc);
    CAppletParameters params;
    CProjectService service(CStdFileSystem::Instance(), Path("prog"));
    const CProjectResult opened = service.Open(Path("site/big.htm"), params);
    ASSERT_TRUE(opened) << opened.Error();
    EXPECT_FALSE(opened.Warnings().empty());

    ExhaustedFileSystem exhausted;
    exhausted.m_files["/site/menu.tvx"] = "[Tavelin1.0]";
    params.Reset();
    params.m_strName = "In hand";
    params.AddTopMenu()->InsertNewItem()->m_strLabel = "kept";
    const CProjectResult failed = CProjectService(exhausted, "/prog").Open("/site/menu.htm", params);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.Error(), "There is not enough memory to open /site/menu.htm.");
    EXPECT_EQ(params.m_strName, "In hand");
    ASSERT_EQ(params.m_arrMenus.size(), 1u);
    EXPECT_EQ(params.m_arrMenus[0]->GetItem(0)->m_strLabel, "kept");
}

// A pipe or a device in place of the settings file or the template file is
// neither read (it would block or never end) nor written, also through a
// link; atw's template commands say that the file cannot be read.
TEST_F(HostileInput, PipesAndDevicesAreNeitherReadNorWritten)
{
    const std::string settingsPath = Path("cfg/Quorvex/AppletTavelinWizard.conf");
    fs::create_directories(m_dir / "cfg" / "Quorvex");
    ASSERT_EQ(::mkfifo(settingsPath.c_str(), 0600), 0);
    CIniSettings settings(CStdFileSystem::Instance(), settingsPath);
    EXPECT_EQ(settings.GetString("TEMPLATE", "TemplateKey", "Normal"), "Normal");
    settings.SetString("TEMPLATE", "TemplateKey", "a,b");
    EXPECT_TRUE(settings.WriteFailed());
    EXPECT_TRUE(fs::is_fifo(settingsPath));
    std::string err;
    EXPECT_EQ(Atw("templates", err), 1);
    EXPECT_EQ(err, "The settings file " + settingsPath + " cannot be read.\n");

    const std::string linked = Path("linked.conf");
    fs::create_symlink("/dev/zero", linked);
    CIniSettings zero(CStdFileSystem::Instance(), linked);
    EXPECT_EQ(zero.GetInt("Settings", "Tree Width", 150), 150);
    zero.SetInt("Settings", "Tree Width", 99);
    EXPECT_TRUE(zero.WriteFailed());
    EXPECT_TRUE(fs::is_symlink(linked));
    EXPECT_TRUE(fs::is_character_file(linked));

    const std::string templateFile = Path("prog/AppletTavelinWizard.tpl");
    ASSERT_EQ(::mkfifo(templateFile.c_str(), 0600), 0);
    CMemorySettings names;
    CTemplateStore store(names, CStdFileSystem::Instance(), Path("prog"));
    CAppletParameters params;
    store.LoadTemplate(params, 0);
    EXPECT_FALSE(store.RenameTemplate("Normal", "Plain"));
    EXPECT_EQ(store.LastError(), CTemplateStore::kOpenFailed);
    EXPECT_FALSE(store.DeleteTemplate("Plain"));
    EXPECT_FALSE(store.AddTemplate(params, "New", 0));
    EXPECT_TRUE(fs::is_fifo(templateFile));
}

// Fifty thousand groups read and write in one pass each; a value with an
// unterminated quote (a damaged file) cannot swallow what is written after
// it: every write reads back.
TEST_F(HostileInput, LargeAndDamagedSettingsFiles)
{
    const std::string path = Path("cfg/many.conf");
    std::string text;
    for (int s = 0; s < 50000; ++s)
        text += "[Group" + std::to_string(s) + "]\nkey=" + std::to_string(s) + "\n";
    WriteAll(path, text);
    CIniSettings many(CStdFileSystem::Instance(), path);
    many.SetString("TEMPLATE", "TemplateKey", "Normal,Other");
    EXPECT_FALSE(many.WriteFailed());
    EXPECT_EQ(many.GetString("TEMPLATE", "TemplateKey", ""), "Normal,Other");
    EXPECT_EQ(many.GetInt("Group49999", "key", -1), 49999);

    const std::string damagedPath = Path("cfg/damaged.conf");
    WriteAll(damagedPath, "[Broken]\nopen=\"never closed\n[Settings]\nTree%20Width=120\n");
    CIniSettings damaged(CStdFileSystem::Instance(), damagedPath);
    damaged.SetInt("Web Browser", "Use Default", 2);
    EXPECT_FALSE(damaged.WriteFailed());
    EXPECT_EQ(damaged.GetInt("Web Browser", "Use Default", 1), 2);
    damaged.SetString("TEMPLATE", "TemplateKey", "x");
    EXPECT_EQ(damaged.GetString("TEMPLATE", "TemplateKey", ""), "x");
    EXPECT_EQ(damaged.GetInt("Web Browser", "Use Default", 1), 2);
    // The damaged value keeps its bytes, the rest of the old file with it.
    EXPECT_NE(ReadAll(damagedPath).find("open=\"never closed\n[Settings]\nTree%20Width=120\n"), std::string::npos);
}
