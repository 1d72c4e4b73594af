// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CProgramFolder.h"

#include <random>
#include <string>

#include "core/io/CPath.h"
#include "core/publish/CPageWriter.h"

namespace {
constexpr const char* kProbeName = ".atw-write-probe-";
// Deeper shipped folders than this are not copied (a link loop ends here).
constexpr int kMaxCopyDepth = 8;
}  // namespace

std::string CProgramFolder::Resolve(const std::string& exeDir, const std::string& userDir)
{
    if (CanWrite(exeDir))
        return exeDir;
    return UserCopy(exeDir, userDir, exeDir, false);
}

std::string CProgramFolder::ResolveForExecutable(const std::string& exeDir, const std::string& userDir)
{
    const std::string installed = InstalledDataDir(exeDir);
    if (installed.empty())
        return Resolve(exeDir, userDir);
    return UserCopy(installed, userDir, installed, true);
}

std::string CProgramFolder::InstalledDataDir(const std::string& exeDir)
{
    const std::string prefix = CPath::Folder(exeDir);
    if (prefix.empty())
        return "";
    const std::string data = CPath::Join(prefix, kInstalledData);
    return m_fs.IsDirectory(data) ? data : "";
}

std::string CProgramFolder::SharedDataDir(const std::string& dir, bool executableDir)
{
    const std::string installed = executableDir ? InstalledDataDir(dir) : std::string();
    return installed.empty() ? dir : installed;
}

std::string CProgramFolder::UserCopy(const std::string& shippedDir, const std::string& userDir,
                                     const std::string& fallback, bool refresh)
{
    if (userDir.empty() || !m_fs.MakeDir(userDir) || !CanWrite(userDir))
        return fallback;
    LayShippedData(shippedDir, userDir, refresh);
    return userDir;
}

bool CProgramFolder::CanWrite(const std::string& folder)
{
    if (folder.empty() || !m_fs.IsDirectory(folder))
        return false;
    // A name of this run's own: two programs starting at once (ten atw runs
    // in a script) must not take each other's probe for a folder they cannot
    // write, or some of them would work in the per-user copy instead.
    thread_local std::mt19937 rng{std::random_device{}()};
    const std::string probe = CPath::Join(folder, kProbeName + std::to_string(rng()));
    return m_fs.ProbeCreate(probe);
}

void CProgramFolder::LayShippedData(const std::string& shippedDir, const std::string& targetDir, bool refresh)
{
    for (const char* name : kShipped) {
        // The template file holds the user's own templates: never replaced.
        const bool replace = refresh && std::string(name) != CPageWriter::kTemplateFile;
        CopyMissing(CPath::Join(shippedDir, name), CPath::Join(targetDir, name), 0, replace);
    }
}

void CProgramFolder::CopyMissing(const std::string& from, const std::string& to, int depth, bool refresh)
{
    if (m_fs.IsRegularFile(from)) {
        if (m_fs.IsDirectory(to))
            return;
        if (!m_fs.IsRegularFile(to) || (refresh && Differs(from, to)))
            m_fs.CopyFile(from, to);
        return;
    }
    if (!m_fs.IsDirectory(from) || depth >= kMaxCopyDepth || !m_fs.MakeDir(to))
        return;
    for (const std::string& name : m_fs.ListFiles(from))
        CopyMissing(CPath::Join(from, name), CPath::Join(to, name), depth + 1, refresh);
}

bool CProgramFolder::Differs(const std::string& a, const std::string& b)
{
    std::string left;
    std::string right;
    return !m_fs.ReadFile(a, left) || !m_fs.ReadFile(b, right) || left != right;
}

void CProgramFolder::CleanPreviewFolder(const std::string& preview, const std::set<std::string>& written)
{
    if (preview.empty())
        return;
    for (const std::string& name : written) {
        // Only names directly inside the folder.
        if (!name.empty() && name != "." && name != ".." && name.find(CPath::kSep) == std::string::npos)
            m_fs.RemoveFile(CPath::Join(preview, name));
    }
    m_fs.RemoveDir(preview);
}
