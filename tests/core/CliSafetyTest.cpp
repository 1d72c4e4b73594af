// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// atw against what breaks files: concurrent template saves, planted links,
// too little memory, damaged and unreadable input, a save cut off between
// its files, leftovers and long names. Each ends with a message and status
// 1, and the files on disk are as they were or fully new.
#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "CCliTestDir.h"
#include "core/io/CFileCommit.h"
#include "core/io/CStdFileSystem.h"
#include "core/project/CProjectService.h"
#include "core/publish/CPageWriter.h"

namespace {

class CliSafety : public Cli {
protected:
    fs::path Site(const std::string& name) const { return m_dir / "site" / name; }

    // The names in site/ that begin with ".": temporaries and journals.
    std::vector<std::string> Hidden(const fs::path& folder) const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().filename().string()[0] == '.')
                names.push_back(entry.path().filename().string());
        return names;
    }
};

// Stops the process at the second rename of a save: the project file is new,
// the page still old.
class CutOffFileSystem : public CStdFileSystem {
protected:
    bool RenameFile(const std::string& from, const std::string& to) override
    {
        if (++m_nRenames == 2)
            ::_exit(0);
        return CStdFileSystem::RenameFile(from, to);
    }

private:
    int m_nRenames = 0;
};

}  // namespace

TEST_F(CliSafety, ConcurrentTemplateSavesEachAddTheirTemplate)
{
    WriteAll(m_config, "[TEMPLATE]\nTemplateKey=\"Normal\"\n");
    WriteNormalTemplate();
    SaveProject("menu.htm");
    constexpr int kSaves = 10;
    std::string all = "(";
    for (int n = 0; n < kSaves; ++n)
        all += "(" + Command({"save-template", "T" + std::to_string(n), "menu.htm"}) + " >/dev/null 2>&1; echo $? >" +
               Quote((m_dir / ("status" + std::to_string(n))).string()) + ") & ";
    all += "wait)";
    ASSERT_EQ(std::system(all.c_str()), 0);
    const std::string list = Run({"templates"}).m_strOut;
    const std::string file = ReadAll(m_dir / "prog" / "AppletTavelinWizard.tpl");
    for (int n = 0; n < kSaves; ++n) {
        const std::string name = "T" + std::to_string(n);
        EXPECT_EQ(ReadAll(m_dir / ("status" + std::to_string(n))), "0\n") << name;
        EXPECT_NE(list.find(name + "\n"), std::string::npos) << name << " not listed:\n" << list;
        EXPECT_NE(file.find("[" + name + "]\r\n"), std::string::npos) << name << " has no section";
    }
    EXPECT_EQ(std::count(file.begin(), file.end(), '['), kSaves + 1);
}

// A link in the target's place is followed only to a project file of ours,
// and in a sticky folder only when the saver (or the folder's owner) made it.
TEST_F(CliSafety, PlantedLinksAreNotFollowed)
{
    SaveProject("menu.htm");
    const std::string ours = ReadAll(Site("menu.tvx"));
    WriteAll(m_dir / "home" / "notes.txt", "my own notes");
    const std::string foreign = (m_dir / "home" / "notes.txt").string();
    struct Case {
        const char* what;
        const char* linked;  // the name in site/ that is a link
        std::string to;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"project file to a file of the user's", "x.tvx", foreign, "which was not saved by Applet Tavelina Wizard"},
        {"page to a file of the user's", "x.htm", foreign, "which was not saved by Applet Tavelina Wizard"},
        {"project file to a device", "x.tvx", "/dev/null", "leads to no regular file"},
    };
    for (const Case& c : cases) {
        fs::remove(Site("x.tvx"));
        fs::remove(Site("x.htm"));
        if (std::string(c.linked) == "x.htm")
            WriteAll(Site("x.tvx"), ours);  // the page's own project file is sound
        fs::create_symlink(c.to, Site(c.linked));
        const Result r = Run({"save", "menu.htm", "x.htm"});
        EXPECT_EQ(r.m_nCode, 1) << c.what;
        EXPECT_NE(r.m_strErr.find(c.message), std::string::npos) << c.what << ": " << r.m_strErr;
        EXPECT_EQ(ReadAll(m_dir / "home" / "notes.txt"), "my own notes") << c.what;
        EXPECT_TRUE(fs::is_symlink(Site(c.linked))) << c.what;
    }

    // Links to a project of ours kept elsewhere are followed.
    fs::create_directories(m_dir / "kept");
    fs::copy_file(Site("menu.tvx"), m_dir / "kept" / "menu.tvx");
    fs::copy_file(Site("menu.htm"), m_dir / "kept" / "menu.htm");
    fs::remove(Site("x.tvx"));
    fs::remove(Site("x.htm"));
    fs::create_symlink(m_dir / "kept" / "menu.tvx", Site("x.tvx"));
    fs::create_symlink(m_dir / "kept" / "menu.htm", Site("x.htm"));
    Result r = Run({"save", "menu.htm", "x.htm"});
    EXPECT_EQ(r.m_nCode, 0) << r.m_strErr;
    EXPECT_TRUE(fs::is_symlink(Site("x.tvx")));

    // In a shared folder, a link that another user planted is refused even
    // when it leads to a project file.
    if (::geteuid() != 0)
        GTEST_SKIP() << "planting another user's link needs root";
    const fs::path shared = m_dir / "shared";
    fs::create_directories(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    fs::create_symlink(m_dir / "kept" / "menu.tvx", shared / "y.tvx");
    ASSERT_EQ(::lchown((shared / "y.tvx").c_str(), 65534, 65534), 0);
    const std::string before = ReadAll(m_dir / "kept" / "menu.tvx");
    r = Run({"save", "menu.htm", (shared / "y.htm").string()});
    EXPECT_EQ(r.m_nCode, 1);
    EXPECT_NE(r.m_strErr.find("another user made in a shared folder"), std::string::npos) << r.m_strErr;
    EXPECT_EQ(ReadAll(m_dir / "kept" / "menu.tvx"), before);
    EXPECT_FALSE(fs::exists(shared / "y.htm"));
}

// Under a small address space, reading a large project runs out of memory:
// every command says so and leaves the files and no lock file behind.
TEST_F(CliSafety, OutOfMemoryIsAMessage)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "a sanitized atw reserves more address space than the limit leaves";
#endif
    const fs::path big = Site("big.tvx");
    WriteAll(big, "[Tavelin1.0]\r\nMisc=");
    fs::resize_file(big, 400u << 20);  // sparse: no disk is used
    WriteAll(Site("big.htm"), "<html></html>");
    const auto written = fs::last_write_time(big);
    const std::vector<std::vector<std::string>> commands = {
        {"check", "big.htm"}, {"html", "big.htm"}, {"save", "big.htm", "big.htm"}, {"save", "big.htm", "copy.htm"}};
    for (const auto& args : commands) {
        const Result r = Run(args, "", "ulimit -v 262144");
        EXPECT_EQ(r.m_nCode, 1) << args[0] << ": " << r.m_strErr;
        EXPECT_NE(r.m_strErr.find("not enough memory"), std::string::npos) << args[0] << ": " << r.m_strErr;
        EXPECT_EQ(fs::file_size(big), 400u << 20);
        EXPECT_EQ(fs::last_write_time(big), written);
        EXPECT_EQ(ReadAll(Site("big.htm")), "<html></html>");
        EXPECT_FALSE(fs::exists(Site("copy.htm")));
        EXPECT_FALSE(fs::exists(Site("copy.tvx")));
        EXPECT_EQ(Hidden(m_dir / "site"), std::vector<std::string>{});
    }

    // A page of 50 MB outgrows 400 MB while the HTML parser reads it.
    std::string page = "<nav><ul>";
    for (int n = 0; page.size() < (50u << 20); ++n)
        page += "<li><a href=\"p" + std::to_string(n) + ".html\">Item " + std::to_string(n) + "</a></li>";
    WriteAll(Site("big.html"), page + "</ul></nav>");
    WriteNormalTemplate();
    const Result r = Run({"import", "big.html", "menu.htm"}, "", "ulimit -v 409600");
    EXPECT_EQ(r.m_nCode, 1) << r.m_strErr;
    EXPECT_NE(r.m_strErr.find("not enough memory"), std::string::npos) << r.m_strErr;
    EXPECT_FALSE(fs::exists(Site("menu.htm")));
    EXPECT_FALSE(fs::exists(Site("menu.tvx")));
}

// A project file without its section is refused, and nothing is saved over it.
TEST_F(CliSafety, DamagedProjectFilesAreRefused)
{
    std::mt19937 rng(7);
    std::string random(1 << 20, '\0');
    for (char& c : random)
        c = static_cast<char>(rng());
    const std::vector<std::pair<const char*, std::string>> damaged = {
        {"zeros", std::string(1 << 20, '\0')},
        {"random bytes", random},
        {"empty", ""},
        {"another program's text", "[Other]\r\nkey=value\r\n"},
    };
    WriteAll(Site("b.htm"), "<html>the page</html>");
    for (const auto& [what, bytes] : damaged) {
        WriteAll(Site("b.tvx"), bytes);
        for (const auto& args : std::vector<std::vector<std::string>>{
                 {"check", "b.htm"}, {"save", "b.htm", "b.htm"}, {"save-template", "B", "b.htm"}}) {
            const Result r = Run(args);
            EXPECT_EQ(r.m_nCode, 1) << what << ", " << args[0];
            EXPECT_NE(r.m_strErr.find("is damaged"), std::string::npos) << what << ": " << r.m_strErr;
            EXPECT_EQ(ReadAll(Site("b.tvx")), bytes) << what;
            EXPECT_EQ(ReadAll(Site("b.htm")), "<html>the page</html>") << what;
        }
    }
}

// A template or settings file that cannot be read is named, not taken for
// an empty one.
TEST_F(CliSafety, UnreadableTemplateAndSettingsFilesAreNamed)
{
    struct Kind {
        const char* what;
        void (*make)(const fs::path&);
    };
    const std::vector<Kind> kinds = {
        {"a pipe", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
        {"a link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
        {"a folder", [](const fs::path& p) { fs::create_directories(p); }},
        {"missing", [](const fs::path&) {}},
    };
    const fs::path tpl = m_dir / "prog" / "AppletTavelinWizard.tpl";
    for (const Kind& kind : kinds) {
        fs::remove_all(tpl);
        kind.make(tpl);
        for (const auto& args : std::vector<std::vector<std::string>>{{"new", "--template", "0", "a.htm"},
                                                                      {"import", "nav.md", "a.htm"}}) {
            WriteAll(Site("nav.md"), "- A\n");
            const Result r = Run(args);
            EXPECT_EQ(r.m_nCode, 1) << kind.what << ", " << args[0];
            EXPECT_NE(r.m_strErr.find("AppletTavelinWizard.tpl cannot be read."), std::string::npos)
                << kind.what << ": " << r.m_strErr;
            EXPECT_FALSE(fs::exists(Site("a.htm"))) << kind.what;
        }
    }
    fs::remove_all(tpl);
    WriteNormalTemplate();
    for (const Kind& kind : kinds) {
        if (std::string(kind.what) == "missing")
            continue;
        fs::remove_all(m_config);
        fs::create_directories(m_config.parent_path());
        kind.make(m_config);
        for (const auto& args : std::vector<std::vector<std::string>>{{"templates"}, {"new", "a.htm"}}) {
            const Result r = Run(args);
            EXPECT_EQ(r.m_nCode, 1) << kind.what << ", " << args[0];
            EXPECT_EQ(r.m_strErr, "The settings file " + m_config.string() + " cannot be read.\n") << kind.what;
            EXPECT_EQ(r.m_strOut, "");
        }
    }
}

// A save cut off between its two renames: the next open completes it and
// says so; page and project file then belong together.
TEST_F(CliSafety, ASaveCutOffBetweenItsFilesIsCompleted)
{
    SaveProject("menu.htm");
    const std::string page = Site("menu.htm").string();
    // A save of a project named name, killed between its two renames.
    const auto cutOffSave = [&](const std::string& name) {
        const std::string before = ReadAll(page);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            CAppletParameters params;
            params.Reset();
            params.m_strName = name;
            CutOffFileSystem cutOff;
            CPageWriter writer(params, cutOff, (m_dir / "prog").string());
            writer.SaveFiles(page, (m_dir / "site").string(), writer.BuildPage());
            ::_exit(1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        ASSERT_EQ(ReadAll(page), before);  // the pair is mixed now
        ASSERT_NE(ReadAll(Site("menu.tvx")).find(name), std::string::npos);
    };
    const std::string completed = "The last save of menu.htm was cut off between its files; it has now been completed.";

    // The next open completes it.
    cutOffSave("Newer");
    Result r = Run({"check", "menu.htm"});
    EXPECT_EQ(r.m_nCode, 0);
    EXPECT_EQ(r.m_strErr, completed + "\n");
    EXPECT_NE(ReadAll(page).find("<title>Newer</title>"), std::string::npos);
    EXPECT_EQ(Hidden(m_dir / "site"), std::vector<std::string>{});
    r = Run({"check", "menu.htm"});
    EXPECT_EQ(r.m_strErr, "");

    // So does the next save (of a model the editor holds open), before its own.
    cutOffSave("Newest");
    CAppletParameters params;
    params.Reset();
    params.m_strName = "Final";
    const CProjectResult saved =
        CProjectService(CStdFileSystem::Instance(), (m_dir / "prog").string()).Save(params, page);
    ASSERT_TRUE(saved) << saved.Error();
    EXPECT_EQ(saved.Warnings(), std::vector<std::string>{completed});
    EXPECT_NE(ReadAll(page).find("<title>Final</title>"), std::string::npos);
    EXPECT_NE(ReadAll(Site("menu.tvx")).find("Final"), std::string::npos);
    EXPECT_EQ(Hidden(m_dir / "site"), std::vector<std::string>{});
}

// Temporaries that a cut-off copy left are removed by the next save; long
// page names save; a folder in a target's place stops the save before any
// file is written.
TEST_F(CliSafety, LeftoversLongNamesAndFolderTargets)
{
    SaveProject("menu.htm");
    WriteAll(m_dir / "prog" / "tavelin.js", "// runtime");
    WriteAll(Site(".tavelin.js.tmp123456"), "half a copy");
    WriteAll(Site(".menu.tvx.tmp42"), "half a save");
    Result r = Run({"save", "menu.htm", "menu.htm"});
    EXPECT_EQ(r.m_nCode, 0) << r.m_strErr;
    EXPECT_EQ(Hidden(m_dir / "site"), std::vector<std::string>{});
    EXPECT_EQ(ReadAll(Site("tavelin.js")), "// runtime");

    for (const size_t length : {245u, 251u, 255u}) {
        const std::string name = std::string(length - 4, 'n') + ".htm";
        r = Run({"save", "menu.htm", name});
        EXPECT_EQ(r.m_nCode, 0) << length << ": " << r.m_strErr;
        EXPECT_EQ(ReadAll(Site(name)), ReadAll(Site("menu.htm"))) << length;
        EXPECT_TRUE(fs::exists(Site(std::string(length - 4, 'n') + ".tvx"))) << length;
        EXPECT_EQ(Hidden(m_dir / "site"), std::vector<std::string>{}) << length;
    }

    const std::vector<std::pair<const char*, const char*>> folders = {{"x.tvx", "x.tvx is a folder"},
                                                                      {"x.htm", "x.htm is a folder"}};
    for (const auto& [folder, message] : folders) {
        fs::remove_all(m_dir / "dest");
        fs::create_directories(m_dir / "dest" / folder);
        r = Run({"save", "menu.htm", (m_dir / "dest" / "x.htm").string()});
        EXPECT_EQ(r.m_nCode, 1) << folder;
        EXPECT_EQ(r.m_strErr, std::string(message) + "; nothing was saved.\n");
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(m_dir / "dest"))
            left.push_back(entry.path().filename().string());
        EXPECT_EQ(left, std::vector<std::string>{folder}) << "written beside the folder";
    }
}

// An export is written again and again over its own files, but never into a
// folder, a pipe or through a link (a planted one, or the user's own to some
// other file), and nothing is copied beside a target it refuses.
TEST_F(CliSafety, ExportTargetsAreCheckedBeforeAnyWrite)
{
    SaveProject("menu.htm");
    WriteAll(m_dir / "prog" / "tavelin.js", "// runtime");
    WriteAll(m_dir / "home" / "notes.txt", "my own notes");
    struct Case {
        const char* what;
        std::vector<std::string> args;  // after "export"
        const char* target;             // the name in dest/ made first
        std::function<void(const fs::path&)> make;
        const char* message;
    };
    const fs::path notes = m_dir / "home" / "notes.txt";
    const std::vector<Case> cases = {
        {"a folder", {}, "x.htm", [](const fs::path& p) { fs::create_directories(p); }, "x.htm is a folder"},
        {"a pipe",
         {},
         "x.htm",
         [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
         "x.htm is not a regular file"},
        {"a link", {}, "x.htm", [&](const fs::path& p) { fs::create_symlink(notes, p); }, "x.htm is a symbolic link"},
        {"a linked style sheet",
         {"--fragment"},
         "x.css",
         [&](const fs::path& p) { fs::create_symlink(notes, p); },
         "x.css is a symbolic link"},
    };
    for (const Case& c : cases) {
        fs::remove_all(m_dir / "dest");
        fs::create_directories(m_dir / "dest");
        c.make(m_dir / "dest" / c.target);
        std::vector<std::string> args = {"export"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.push_back("menu.htm");
        args.push_back((m_dir / "dest" / "x.htm").string());
        const Result r = Run(args);
        EXPECT_EQ(r.m_nCode, 1) << c.what;
        EXPECT_NE(r.m_strErr.find(c.message), std::string::npos) << c.what << ": " << r.m_strErr;
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir / "dest"), {}), 1) << c.what << ": written beside it";
        EXPECT_EQ(ReadAll(notes), "my own notes") << c.what;
    }
    fs::remove_all(m_dir / "dest");
    fs::create_directories(m_dir / "dest");
    for (int run = 0; run < 2; ++run) {
        const Result r = Run({"export", "menu.htm", (m_dir / "dest" / "x.htm").string()});
        EXPECT_EQ(r.m_nCode, 0) << r.m_strErr;
    }
}
