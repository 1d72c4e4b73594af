// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// Recovery copies: the file format and its checks, ownership between
// processes, damaged copies kept aside, and recovery byte for byte.
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "CTemplateTestDir.h"
#include "core/format/CProjectReader.h"
#include "core/format/CSlicedProjectText.h"
#include "core/io/CStdFileSystem.h"
#include "core/project/CRecoveryStore.h"
#include "core/publish/CPageWriter.h"
#include "support/RandomModel.h"

namespace {

CRecoveryCopy Sample(const std::string& page, const std::string& text)
{
    CRecoveryCopy copy;
    copy.pagePath = page;
    copy.savedAt = 1796688000;
    copy.projectText = text;
    return copy;
}

std::vector<std::string> Ids(const CRecoveryStore::CScan& scan)
{
    std::vector<std::string> ids;
    for (const auto& copy : scan.copies)
        ids.push_back(copy.id);
    return ids;
}

// A child process that opens its own store, writes a copy and then either
// waits until told to end (a running editor) or ends at once without any
// cleanup (a crash).
class ChildEditor {
public:
    ChildEditor(const std::string& folder, const std::string& text, bool crash)
    {
        int toChild[2];
        int toParent[2];
        EXPECT_EQ(::pipe(toChild), 0);
        EXPECT_EQ(::pipe(toParent), 0);
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(toChild[1]);
            ::close(toParent[0]);
            CRecoveryStore store(CStdFileSystem::Instance(), folder);
            const bool ok = store.Open() && store.WriteOwn(CRecoveryStore::Encode(Sample("/w/menu.htm", text)));
            const char ready = ok ? '1' : '0';
            (void)!::write(toParent[1], &ready, 1);
            char go = 0;
            if (!crash)
                (void)!::read(toChild[0], &go, 1);
            ::_exit(0);  // no destructors: the copy stays as after a kill
        }
        ::close(toChild[0]);
        ::close(toParent[1]);
        m_toChild = toChild[1];
        char ready = 0;
        EXPECT_EQ(::read(toParent[0], &ready, 1), 1);
        EXPECT_EQ(ready, '1');
        ::close(toParent[0]);
    }
    ~ChildEditor() { End(); }
    void End()
    {
        if (m_pid <= 0)
            return;
        ::close(m_toChild);
        ::waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
    int m_toChild = -1;
};

}  // namespace

TEST(RecoveryStore, EncodeDecodeKeepsEveryByteAndRejectsDamage)
{
    const std::string text = "[Tavelin1.0]\r\nApStyle=a|_#c`b,1,\r\nMisc=0,\r\n";
    for (const std::string& page :
         {std::string("/home/u/web/menu.htm"), std::string(), std::string("/odd\ndir/a,b|_#.htm")}) {
        CRecoveryCopy back;
        ASSERT_TRUE(CRecoveryStore::Decode(CRecoveryStore::Encode(Sample(page, text)), back)) << page;
        EXPECT_EQ(back.pagePath, page);
        EXPECT_EQ(back.savedAt, 1796688000);
        EXPECT_EQ(back.projectText, text);
    }
    const std::string good = CRecoveryStore::Encode(Sample("/w/menu.htm", text));
    std::string flipped = good;
    flipped[flipped.size() - 5] ^= 0x20;
    const std::string damaged[] = {"",
                                   "garbage",
                                   good.substr(0, good.size() - 1),
                                   good + "x",
                                   flipped,
                                   "ATW-RECOVERY 2" + good.substr(14),
                                   good.substr(0, good.find("time"))};
    for (const std::string& bytes : damaged) {
        CRecoveryCopy back;
        EXPECT_FALSE(CRecoveryStore::Decode(bytes, back)) << bytes.size();
    }
}

TEST(RecoveryStore, CopiesOfRunningEditorsAreNeverOfferedAndCrashedOnesAreOfferedOnce)
{
    CTemplateTestDir dir;
    const std::string folder = dir.Path("recovery");
    IFileSystem& fs = CStdFileSystem::Instance();

    ChildEditor running(folder, "running", false);
    ChildEditor crashed(folder, "crashed", true);
    crashed.End();

    CRecoveryStore mine(fs, folder);
    ASSERT_TRUE(mine.Open());
    ASSERT_TRUE(mine.WriteOwn(CRecoveryStore::Encode(Sample("", "mine"))));
    CRecoveryStore::CScan scan = mine.ClaimOrphans();
    ASSERT_EQ(scan.copies.size(), 1u);
    EXPECT_EQ(scan.copies[0].projectText, "crashed");
    EXPECT_EQ(scan.copies[0].pagePath, "/w/menu.htm");
    EXPECT_TRUE(scan.damaged.empty());

    // A second editor starting now sees neither the first one's own copy
    // nor the copy the first one is offering.
    CRecoveryStore other(fs, folder);
    ASSERT_TRUE(other.Open());
    EXPECT_TRUE(other.ClaimOrphans().copies.empty());

    // "Later" gives it back; "Discard" removes it for good.
    mine.Release(scan.copies[0].id);
    const CRecoveryStore::CScan again = other.ClaimOrphans();
    ASSERT_EQ(Ids(again), Ids(scan));
    other.Discard(again.copies[0].id);
    EXPECT_FALSE(fs.Exists(other.CopyPath(again.copies[0].id)));

    // The running editor ends without cleanup too: now its copy is left.
    running.End();
    const CRecoveryStore::CScan left = other.ClaimOrphans();
    ASSERT_EQ(left.copies.size(), 1u);
    EXPECT_EQ(left.copies[0].projectText, "running");
    other.Discard(left.copies[0].id);

    // A clean end leaves neither copies nor lock files behind.
    mine.Close();
    other.Close();
    EXPECT_TRUE(fs.ListFiles(folder).empty());
}

TEST(RecoveryStore, DamagedCopyIsReportedAndKeptAside)
{
    CTemplateTestDir dir;
    IFileSystem& fs = CStdFileSystem::Instance();
    const std::string good = CRecoveryStore::Encode(Sample("/w/a.htm", "[Tavelin1.0]\r\n"));
    dir.Write("recovery/11-aaaa.atwr", good.substr(0, good.size() - 3));  // cut short
    dir.Write("recovery/12-bbbb.atwr", std::string("\0\xff\x01", 3));
    dir.Write("recovery/13-cccc.atwr", good);
    dir.Write("recovery/14-dddd.lock", "");  // a lock left without a copy

    CRecoveryStore store(fs, dir.Path("recovery"));
    const CRecoveryStore::CScan scan = store.ClaimOrphans();
    EXPECT_EQ(Ids(scan), std::vector<std::string>{"13-cccc"});
    ASSERT_EQ(scan.damaged.size(), 2u);
    EXPECT_EQ(scan.damaged[0], dir.Path("recovery/damaged/11-aaaa.atwr"));
    EXPECT_EQ(dir.Read("recovery/damaged/12-bbbb.atwr"), std::string("\0\xff\x01", 3));
    EXPECT_FALSE(dir.Exists("recovery/11-aaaa.atwr"));
    EXPECT_FALSE(dir.Exists("recovery/14-dddd.lock"));
    // Kept aside means never offered again.
    store.Release("13-cccc");
    EXPECT_TRUE(store.ClaimOrphans().damaged.empty());
}

// The text composed in slices is the project text, and the recovered copy
// loads into a model whose project text is that copy again, byte for byte.
TEST(RecoveryStore, RecoveryGivesTheProjectByteForByte)
{
    CTemplateTestDir dir;
    IFileSystem& fs = CStdFileSystem::Instance();
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        CAppletParameters model;
        RandomModel::Options options;
        options.items = 300;
        options.mediaPaths = {"", "/img/a.gif", "rel/b.wav"};
        RandomModel(seed).Fill(model, options);
        CPageWriter writer(model, fs, dir.Path());
        writer.BuildPage();  // sets the working start positions once
        const std::string whole = writer.ProjectText();
        CSlicedProjectText sliced(model, fs);
        sliced.Start();
        // A page build between slices renumbers the menus; the copy must not care.
        writer.BuildPage();
        int steps = 1;
        while (!sliced.Step(25))
            ++steps;
        EXPECT_GT(steps, 3);
        const std::string text = sliced.Take();
        ASSERT_EQ(text, whole) << seed;

        {
            // A run that ends without removing its copy.
            CRecoveryStore crashed(fs, dir.Path("recovery"));
            ASSERT_TRUE(crashed.Open());
            ASSERT_TRUE(crashed.WriteOwn(CRecoveryStore::Encode(Sample("/w/menu.htm", text))));
        }

        CRecoveryStore next(fs, dir.Path("recovery"));
        CRecoveryStore::CScan scan = next.ClaimOrphans();
        ASSERT_EQ(scan.copies.size(), 1u);
        CAppletParameters recovered;
        CProjectReader(recovered, fs, dir.Path()).LoadProjectText(scan.copies[0].projectText);
        EXPECT_EQ(RandomModel::Difference(model, recovered), "");
        EXPECT_EQ(CPageWriter(recovered, fs, dir.Path()).ProjectText(), text);
        next.Discard(scan.copies[0].id);
    }
}

namespace {
constexpr uid_t kOtherUser = 65534;  // nobody

int ModeOf(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
}

// The permission bits of the copies in folder, in octal.
std::string CopyModes(const std::string& folder)
{
    std::string modes;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != CRecoveryStore::kCopyExt)
            continue;
        char text[8];
        std::snprintf(text, sizeof text, "%o ", ModeOf(entry.path().string()));
        modes += text;
    }
    return modes;
}
}  // namespace

// The copies hold unsaved work: nobody but the user reads them, whatever
// the umask and whatever mode the folder had before.
TEST(RecoveryStore, CopiesAndTheirFolderAreTheUsersAlone)
{
    CTemplateTestDir dir;
    const std::string folder = dir.Path("recovery");
    std::filesystem::create_directories(folder);
    ::chmod(folder.c_str(), 0755);
    const mode_t umask = ::umask(0);
    CRecoveryStore store(CStdFileSystem::Instance(), folder);
    ASSERT_TRUE(store.Open());
    ASSERT_TRUE(store.WriteOwn(CRecoveryStore::Encode(Sample("/w/a.htm", "first"))));
    EXPECT_EQ(CopyModes(folder), "600 ");
    // Rewritten, and written again after a save removed it.
    ASSERT_TRUE(store.WriteOwn(CRecoveryStore::Encode(Sample("/w/a.htm", "second"))));
    EXPECT_EQ(CopyModes(folder), "600 ");
    store.DiscardOwn();
    ASSERT_TRUE(store.WriteOwn(CRecoveryStore::Encode(Sample("/w/a.htm", "third"))));
    EXPECT_EQ(CopyModes(folder), "600 ");
    EXPECT_EQ(ModeOf(folder), 0700);
    ::umask(umask);
    store.Close();
}

// A recovery folder reached through a link is used only when the link and
// the folder it leads to are both the user's; otherwise nothing is written
// there and nothing read from it.
TEST(RecoveryStore, AFolderOrLinkOfAnotherUserIsRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "making files of another user needs root";
    struct Case {
        const char* name;
        bool linkOurs;
        bool targetOurs;
        bool used;
    };
    for (const Case& c : {Case{"our link to our folder", true, true, true},
                          Case{"our link to another user's folder", true, false, false},
                          Case{"another user's link to our folder", false, true, false},
                          Case{"another user's folder itself", true, false, false}}) {
        CTemplateTestDir dir;
        const std::string target = dir.Path("target");
        std::filesystem::create_directories(target);
        const bool direct = std::string(c.name) == "another user's folder itself";
        const std::string folder = direct ? target : dir.Path("recovery");
        if (!direct)
            std::filesystem::create_symlink(target, folder);
        if (!c.targetOurs) {
            ASSERT_EQ(::chown(target.c_str(), kOtherUser, kOtherUser), 0);
        }
        if (!c.linkOurs) {
            ASSERT_EQ(::lchown(folder.c_str(), kOtherUser, kOtherUser), 0);
        }
        dir.Write("target/5-left.atwr", CRecoveryStore::Encode(Sample("/w/a.htm", "left")));

        CRecoveryStore store(CStdFileSystem::Instance(), folder);
        EXPECT_EQ(store.Open(), c.used) << c.name;
        EXPECT_EQ(store.Refused(), !c.used) << c.name;
        EXPECT_EQ(store.WriteOwn(CRecoveryStore::Encode(Sample("", "mine"))), c.used) << c.name;
        const CRecoveryStore::CScan scan = store.ClaimOrphans();
        EXPECT_EQ(scan.refused, !c.used) << c.name;
        EXPECT_EQ(scan.copies.size(), c.used ? 1u : 0u) << c.name;
        if (!c.used) {
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(target), {}), 1) << c.name;
        }
        store.Close();
    }
}

// A copy that is not the user's own file (another user's, or a link) is
// never read or offered: it is moved aside once and not reported again.
TEST(RecoveryStore, ACopyOfAnotherUserIsMovedAsideOnce)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "making files of another user needs root";
    CTemplateTestDir dir;
    const std::string good = CRecoveryStore::Encode(Sample("/w/a.htm", "[Tavelin1.0]\r\n"));
    dir.Write("recovery/21-theirs.atwr", good);
    ASSERT_EQ(::chown(dir.Path("recovery/21-theirs.atwr").c_str(), kOtherUser, kOtherUser), 0);
    ::chmod(dir.Path("recovery/21-theirs.atwr").c_str(), 0600);
    dir.Write("elsewhere.atwr", good);
    std::filesystem::create_symlink(dir.Path("elsewhere.atwr"), dir.Path("recovery/22-link.atwr"));
    dir.Write("recovery/23-mine.atwr", good);

    CRecoveryStore store(CStdFileSystem::Instance(), dir.Path("recovery"));
    const CRecoveryStore::CScan scan = store.ClaimOrphans();
    EXPECT_EQ(Ids(scan), std::vector<std::string>{"23-mine"});
    EXPECT_TRUE(scan.damaged.empty());
    EXPECT_EQ(scan.foreign, (std::vector<std::string>{dir.Path("recovery/damaged/21-theirs.atwr"),
                                                      dir.Path("recovery/damaged/22-link.atwr")}));
    EXPECT_FALSE(dir.Exists("recovery/21-theirs.atwr"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path("recovery/damaged/22-link.atwr")));
    EXPECT_EQ(dir.Read("elsewhere.atwr"), good);  // the link's target is left alone
    store.Release("23-mine");
    const CRecoveryStore::CScan again = store.ClaimOrphans();
    EXPECT_TRUE(again.foreign.empty());
    EXPECT_TRUE(again.damaged.empty());
}
