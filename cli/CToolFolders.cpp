// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CToolFolders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/io/CPath.h"

namespace fs = std::filesystem;

std::string CToolFolders::ExecutableDir(const std::string& argv0)
{
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = fs::absolute(fs::path(argv0), ec);
    return Trimmed(exe.parent_path().string());
}

std::string CToolFolders::UserDataDir()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    std::string base;
    if (data && *data) {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        base = CPath::Join(home && *home ? home : "/", ".local/share");
    }
    return CPath::Join(Trimmed(base), "Quorvex/AppletTavelinWizard");
}

std::string CToolFolders::Trimmed(std::string folder)
{
    while (folder.size() > 1 && folder.back() == CPath::kSep)
        folder.pop_back();
    return folder;
}
