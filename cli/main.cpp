// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// atw: the editor's page, check and template operations from a shell.
#include <iostream>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "CAtwTool.h"
#include "CToolArgs.h"
#include "CToolFolders.h"
#include "core/io/CStdFileSystem.h"
#include "core/settings/CIniSettings.h"
#include "core/settings/CProgramFolder.h"
#include "core/templates/CTemplateStore.h"

#ifdef ATW_WITH_MIMALLOC
#include <mimalloc.h>
#endif

namespace {
constexpr const char* kVersion = "atw (Applet Tavelina Wizard) " ATW_VERSION;

// Output that did not reach its file (a full disk, a device error) makes
// the command fail: a script must not publish half a page as a success.
int Finished(int status)
{
    if (std::cout.flush())
        return status;
    std::cerr << "atw: the output could not be written.\n";
    return CAtwTool::kFailure;
}

// A command that ran out of memory has let go of its locks and temporary
// files on the way out: the files are as they were (or, for a save that had
// completed, fully new).
int NoMemory()
{
    std::cout.clear();
    std::cerr << "atw: not enough memory for this command; nothing was changed.\n";
    return CAtwTool::kFailure;
}
}  // namespace

int main(int argc, char** argv)
{
#ifdef ATW_WITH_MIMALLOC
    // The memory of a large project is backed by huge pages where the system
    // offers them on request: a few faults for each two megabytes instead of
    // five hundred. Only advice; nothing changes where it is refused.
    mi_option_enable(mi_option_large_os_pages);
    // Memory that runs out is reported by the command (see OperatorNew.cpp),
    // not by the allocator.
    mi_option_disable(mi_option_show_errors);
#endif
    CToolArgs args;
    if (!args.Parse(std::vector<std::string>(argv + 1, argv + argc))) {
        std::cerr << "atw: " << args.m_strError << '\n' << CToolArgs::kUsageLine << '\n';
        return CAtwTool::kUsage;
    }
    if (args.m_bHelp || args.m_bVersion) {
        std::cout << (args.m_bHelp ? CToolArgs::Help() : kVersion) << (args.m_bHelp ? "" : "\n");
        return Finished(CAtwTool::kSuccess);
    }

    CStdFileSystem& fs = CStdFileSystem::Instance();
    const bool named = !args.m_strProgramDir.empty();
    std::string dir = named ? CToolFolders::Trimmed(args.m_strProgramDir) : CToolFolders::ExecutableDir(argv[0]);
    if (!fs.IsDirectory(dir)) {
        std::cerr << "The program folder " << dir << " does not exist.\n";
        return CAtwTool::kFailure;
    }
    // The editor's own choice: the folder itself, or the per-user copy of it
    // (always for an installed program).
    CProgramFolder folder(fs);
    const std::string shared = folder.SharedDataDir(dir, !named);
    dir = named ? folder.Resolve(dir, CToolFolders::UserDataDir())
                : folder.ResolveForExecutable(dir, CToolFolders::UserDataDir());

    CIniSettings settings(fs, CIniSettings::UserFile());
    try {
        CTemplateStore(settings, fs, dir).EnsureNameList();
        // The tool and its model are left to the system at exit, which takes
        // a large project's memory back at once: freeing its items one by one
        // took a tenth of `atw html`. A static holds it, so it still counts as
        // reached.
        static CAtwTool* tool = nullptr;
        tool = new CAtwTool(fs, settings, dir, std::cout, std::cerr);
        tool->SetSharedDataDir(shared);
        return Finished(tool->Run(args));
    } catch (const std::bad_alloc&) {
        return NoMemory();
    } catch (const std::length_error&) {
        return NoMemory();
    }
}
