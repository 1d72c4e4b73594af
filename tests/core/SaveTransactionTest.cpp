// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// A save replaces the page and its project file as one transaction: killed,
// out of disk, refused a rename or racing another save, it leaves the old
// pair or the new one, never a mix and never a temporary file.
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <gtest/gtest.h>
#include <random>
#include <signal.h>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "core/io/CFileCommit.h"
#include "core/io/CStdFileSystem.h"
#include "core/publish/CPageWriter.h"
#include "support/RandomModel.h"

namespace {
namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// The files of a folder whose names start with "." (the temporaries).
std::vector<std::string> HiddenFiles(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().filename().string()[0] == '.')
            names.push_back(entry.path().filename().string());
    return names;
}

// The real file system; the rename numbered m_nFailAt (from 1) fails.
class FailingRenameFileSystem : public CStdFileSystem {
public:
    int m_nFailAt = 0;
    int m_nRenames = 0;

protected:
    bool RenameFile(const std::string& from, const std::string& to) override
    {
        return ++m_nRenames != m_nFailAt && CStdFileSystem::RenameFile(from, to);
    }
};

class SaveTransaction : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("atw-save-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_page = (m_dir / "menu.htm").string();
        RandomModel(3).Fill(m_params, Small());
    }
    void TearDown() override { fs::remove_all(m_dir); }

    static RandomModel::Options Small()
    {
        RandomModel::Options options;
        options.longTextPercent = 0;
        return options;
    }

    bool Save(IFileSystem& fs, CAppletParameters& params)
    {
        CPageWriter writer(params, fs, m_dir.string());
        const bool saved = writer.SaveFiles(m_page, m_dir.string(), writer.BuildPage());
        m_strError = writer.LastError();
        return saved;
    }
    bool Save() { return Save(CStdFileSystem::Instance(), m_params); }
    std::string Page() const { return ReadAll(m_dir / "menu.htm"); }
    std::string Project() const { return ReadAll(m_dir / "menu.tvx"); }
    void Change() { m_params.m_strName += " changed"; }

    fs::path m_dir;
    std::string m_page;
    std::string m_strError;
    CAppletParameters m_params;
};
}  // namespace

// A child process saves a large project and is killed at a random moment of
// it, again and again. After each kill the pair on disk is the old one, the
// new one, or (killed between the two renames) a new project file beside the
// old page, which the next save brings in line; never a page newer than its
// project, and never a half-written file. The next save clears the
// temporaries that the kills left.
TEST_F(SaveTransaction, KilledAtRandomPointsLeavesAWholePair)
{
    RandomModel::Options large = Small();
    large.items = 4000;
    CAppletParameters oldModel;
    CAppletParameters newModel;
    RandomModel(11).Fill(oldModel, large);
    RandomModel(12).Fill(newModel, large);
    ASSERT_TRUE(Save(CStdFileSystem::Instance(), newModel));
    const std::string newPage = Page();
    const std::string newProject = Project();
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(Save(CStdFileSystem::Instance(), oldModel));
    const auto saveTime = std::chrono::steady_clock::now() - start;
    const std::string oldPage = Page();
    const std::string oldProject = Project();
    ASSERT_NE(oldProject, newProject);

    std::mt19937 rng(::testing::UnitTest::GetInstance()->random_seed());
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count();
    std::uniform_int_distribution<long long> delay(0, micros + micros / 4);
    int newPairs = 0;
    for (int run = 0; run < 10; ++run) {
        WriteAll(m_dir / "menu.htm", oldPage);
        WriteAll(m_dir / "menu.tvx", oldProject);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            ::_exit(Save(CStdFileSystem::Instance(), newModel) ? 0 : 1);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(rng)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        const std::string page = Page();
        const std::string project = Project();
        ASSERT_TRUE(page == oldPage || page == newPage) << "run " << run << ": a torn page";
        ASSERT_TRUE(project == oldProject || project == newProject) << "run " << run << ": a torn project";
        ASSERT_FALSE(page == newPage && project == oldProject) << "run " << run << ": page newer than project";
        newPairs += page == newPage ? 1 : 0;
    }
    RecordProperty("NewPairs", newPairs);

    ASSERT_TRUE(Save(CStdFileSystem::Instance(), newModel));
    EXPECT_EQ(Page(), newPage);
    EXPECT_EQ(Project(), newProject);
    EXPECT_TRUE(HiddenFiles(m_dir).empty());
}

// Out of disk, or a refused rename of either file: the old pair stays byte
// for byte (also a page that was not there yet stays away) and nothing is
// left beside it. A stale temporary of the page's name from an earlier
// crash goes; one of another page stays.
TEST_F(SaveTransaction, AFailedSaveLeavesTheOldPairAndNoTemporary)
{
    ASSERT_TRUE(Save());
    const std::string oldPage = Page();
    const std::string oldProject = Project();
    Change();

    for (int failAt = 1; failAt <= 2; ++failAt) {
        FailingRenameFileSystem failing;
        failing.m_nFailAt = failAt;
        EXPECT_FALSE(Save(failing, m_params)) << failAt;
        EXPECT_EQ(m_strError, CPageWriter::kSaveFailed);
        EXPECT_EQ(Page(), oldPage) << failAt;
        EXPECT_EQ(Project(), oldProject) << failAt;
        EXPECT_TRUE(HiddenFiles(m_dir).empty()) << failAt;
    }

    fs::remove(m_dir / "menu.htm");
    FailingRenameFileSystem failing;
    failing.m_nFailAt = 2;
    EXPECT_FALSE(Save(failing, m_params));
    EXPECT_FALSE(fs::exists(m_dir / "menu.htm"));
    EXPECT_EQ(Project(), oldProject);

    WriteAll(m_dir / ".menu.htm.tmp123456", "left by a crash");
    WriteAll(m_dir / ".menu.tvx.tmp42", "left by a crash");
    WriteAll(m_dir / ".other.htm.tmp7", "another page's");
    ASSERT_TRUE(Save());
    EXPECT_EQ(HiddenFiles(m_dir), std::vector<std::string>{".other.htm.tmp7"});
}

// A second save of the same page waits for the first (here: a lock held by
// the test), and gives up with a message when it waits too long.
TEST_F(SaveTransaction, TheProjectFileIsLockedForTheWholeSave)
{
    ASSERT_TRUE(Save());
    const std::string oldPage = Page();
    Change();
    const int held = ::open((m_dir / "menu.tvx").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    CStdFileSystem impatient;
    impatient.SetLockTimeout(100);
    EXPECT_FALSE(Save(impatient, m_params));
    EXPECT_EQ(m_strError, CPageWriter::kProjectBusy);
    EXPECT_EQ(Page(), oldPage);

    CStdFileSystem patient;
    bool saved = false;
    std::thread other([&] { saved = Save(patient, m_params); });
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_EQ(Page(), oldPage);  // still waiting
    ::flock(held, LOCK_UN);
    ::close(held);
    other.join();
    EXPECT_TRUE(saved);
    EXPECT_NE(Page(), oldPage);
}

// A replaced file keeps its mode and group; a page or project file that is
// a symbolic link stays one and its target gets the new text.
TEST_F(SaveTransaction, ModesGroupsAndLinksOfTheReplacedFilesStay)
{
    ASSERT_TRUE(Save());
    const fs::path page = m_dir / "menu.htm";
    ASSERT_EQ(::chmod(page.c_str(), 0640), 0);
    gid_t group = ::getegid();
    gid_t groups[64];
    const int count = ::getgroups(64, groups);
    if (::geteuid() == 0)
        group = group == 1 ? 2 : 1;
    else
        for (int i = 0; i < count; ++i)
            if (groups[i] != group) {
                group = groups[i];
                break;
            }
    const bool groupChanged = ::chown(page.c_str(), static_cast<uid_t>(-1), group) == 0;
    Change();
    ASSERT_TRUE(Save());
    struct stat st {};
    ASSERT_EQ(::stat(page.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (groupChanged) {
        EXPECT_EQ(st.st_gid, group);
    }

    fs::create_directories(m_dir / "real");
    fs::rename(m_dir / "menu.tvx", m_dir / "real" / "menu.tvx");
    fs::create_symlink("real/menu.tvx", m_dir / "menu.tvx");
    fs::rename(page, m_dir / "real" / "page.htm");
    fs::create_symlink(m_dir / "real" / "page.htm", page);
    Change();
    ASSERT_TRUE(Save());
    EXPECT_TRUE(fs::is_symlink(page));
    EXPECT_TRUE(fs::is_symlink(m_dir / "menu.tvx"));
    EXPECT_NE(ReadAll(m_dir / "real" / "page.htm").find("changed changed"), std::string::npos);
    EXPECT_NE(ReadAll(m_dir / "real" / "menu.tvx").find("changed changed"), std::string::npos);
    EXPECT_TRUE(HiddenFiles(m_dir / "real").empty());
}

// A journal beside the project file names files to rename; one that another
// user could have planted (theirs, or naming a file outside the target's
// folder) is never acted on: the save refuses, and every file stays.
TEST_F(SaveTransaction, AJournalNotOfTheUsersOwnIsNotActedOn)
{
    ASSERT_TRUE(Save());
    const std::string project = Project();
    fs::create_directories(m_dir / "other");
    struct Case {
        const char* what;
        fs::path temp;
        bool foreignOwner;
    };
    const std::vector<Case> cases = {{"a file in another folder", m_dir / "other" / "evil", false},
                                     {"another user's journal", m_dir / "evil", true}};
    for (const Case& c : cases) {
        if (c.foreignOwner && ::geteuid() != 0)
            continue;  // giving a file away needs root
        WriteAll(c.temp, "not a project");
        const std::string journal = CFileCommit::JournalFor((m_dir / "menu.tvx").string());
        std::string text = (m_dir / "menu.tvx").string();
        text += '\0' + c.temp.string() + '\0' + '\0' + "1" + '\0';
        WriteAll(journal, text);
        if (c.foreignOwner) {
            ASSERT_EQ(::chown(journal.c_str(), 65534, 65534), 0);
        }
        Change();
        EXPECT_FALSE(Save()) << c.what;
        EXPECT_NE(m_strError.find("could not be completed; nothing was saved."), std::string::npos) << m_strError;
        EXPECT_EQ(Project(), project) << c.what;
        EXPECT_EQ(ReadAll(c.temp), "not a project") << c.what;
        fs::remove(journal);
    }
}
