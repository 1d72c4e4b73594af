// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CFileCommit.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <set>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "CPath.h"
#include "CStdFileSystem.h"

namespace fs = std::filesystem;

namespace {
constexpr const char* kTempMark = ".tmp";
constexpr int kNameTries = 8;

std::string FolderOf(const std::string& path)
{
    const std::string folder = CPath::Folder(path);
    if (!folder.empty())
        return folder;
    return path.find(CPath::kSep) == std::string::npos ? std::string(".") : std::string(1, CPath::kSep);
}

std::string TempNameBeside(const std::string& path)
{
    // One generator per thread: the autosave worker saves beside the editor.
    thread_local std::mt19937 rng{std::random_device{}()};
    return CPath::Join(FolderOf(path), "." + CPath::FileName(path) + kTempMark + std::to_string(rng() % 1000000));
}

bool IsStaleName(const std::string& entry, const std::string& prefix)
{
    if (entry.size() <= prefix.size() || entry.compare(0, prefix.size(), prefix) != 0)
        return false;
    return entry.find_first_not_of("0123456789", prefix.size()) == std::string::npos;
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
}  // namespace

CFileCommit::~CFileCommit()
{
    Discard();
}

std::string CFileCommit::Resolve(const std::string& path)
{
    fs::path current(path);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec)) || ec)
            return current.string();
        const fs::path next = fs::read_symlink(current, ec);
        if (ec)
            return {};
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return {};
}

void CFileCommit::RemoveStale(const std::string& target)
{
    const std::string folder = FolderOf(target);
    const std::string prefix = "." + CPath::FileName(target) + kTempMark;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(folder), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (IsStaleName(name, prefix) && !it->is_directory(typeError))
            ::unlink(CPath::Join(folder, name).c_str());
    }
}

bool CFileCommit::Stage(const std::string& path, const std::string& bytes)
{
    const std::string target = Resolve(path);
    if (target.empty())
        return false;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode))
            return false;  // never a folder, a device or a pipe
        return Write(target, bytes, old.st_mode & 07777, true, old.st_gid);
    }
    return errno == ENOENT && Write(target, bytes, 0666, false, static_cast<gid_t>(-1));
}

bool CFileCommit::StageCopy(const std::string& path, const std::string& bytes, mode_t sourceMode)
{
    struct stat old {};
    if (::lstat(path.c_str(), &old) == 0 && !S_ISREG(old.st_mode) && !S_ISLNK(old.st_mode))
        return false;
    return Write(path, bytes, sourceMode & 0666, false, static_cast<gid_t>(-1));
}

// The temporary is created with at most the final permissions; a replaced
// file's exact mode and group are set on it before it is synced.
bool CFileCommit::Write(const std::string& target, const std::string& bytes, mode_t mode, bool exactMode, gid_t group)
{
    CEntry entry;
    entry.m_strTarget = target;
    std::FILE* file = nullptr;
    for (int tries = 0; !file && tries < kNameTries; ++tries) {
        entry.m_strTemp = TempNameBeside(target);
        file = m_fs.OpenForWriting(entry.m_strTemp, mode & 0777);
        if (!file && errno != EEXIST)
            break;
    }
    if (!file)
        return false;
    m_entries.push_back(entry);
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    const int fd = ::fileno(file);
    struct stat opened {};
    struct stat named {};
    // Only the temporary itself is ever given a mode or group.
    const bool ours = ::fstat(fd, &opened) == 0 && ::lstat(entry.m_strTemp.c_str(), &named) == 0 &&
                      S_ISREG(opened.st_mode) && SameFile(opened, named);
    if (ok && ours && exactMode) {
        if (group != static_cast<gid_t>(-1) && opened.st_gid != group)
            (void)::fchown(fd, static_cast<uid_t>(-1), group);  // not a member: the group stays ours
        ok = ::fchmod(fd, mode) == 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = std::fclose(file) == 0 && ok;
    return ok && ours;
}

// A second name for the file about to be replaced; where hard links are not
// to be had, a copy of its bytes.
bool CFileCommit::KeepOld(CEntry& entry)
{
    struct stat old {};
    entry.m_bExisted = ::lstat(entry.m_strTarget.c_str(), &old) == 0;
    if (!entry.m_bExisted || S_ISLNK(old.st_mode))
        return true;  // a link is simply replaced; nothing to put back but the link
    for (int tries = 0; tries < kNameTries; ++tries) {
        entry.m_strBackup = TempNameBeside(entry.m_strTarget);
        if (::link(entry.m_strTarget.c_str(), entry.m_strBackup.c_str()) == 0)
            return true;
        if (errno != EEXIST)
            break;
    }
    entry.m_strBackup.clear();
    std::string bytes;
    if (!m_fs.ReadFile(entry.m_strTarget, bytes))
        return false;
    const std::string backup = TempNameBeside(entry.m_strTarget);
    std::FILE* file = std::fopen(backup.c_str(), "wbx");
    if (!file)
        return false;
    entry.m_strBackup = backup;
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return (std::fclose(file) == 0) && written && ::chmod(backup.c_str(), old.st_mode & 07777) == 0;
}

bool CFileCommit::Commit()
{
    for (CEntry& entry : m_entries)
        if (!KeepOld(entry)) {
            Discard();
            return false;
        }
    for (CEntry& entry : m_entries) {
        if (!m_fs.RenameFile(entry.m_strTemp, entry.m_strTarget)) {
            RollBack();
            return false;
        }
        entry.m_bRenamed = true;
        entry.m_strTemp.clear();
    }
    std::set<std::string> folders;
    for (const CEntry& entry : m_entries)
        folders.insert(FolderOf(entry.m_strTarget));
    Discard();
    for (const std::string& folder : folders)
        SyncFolder(folder);
    return true;
}

// Puts back every file already replaced, newest first.
void CFileCommit::RollBack()
{
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        if (!it->m_bRenamed)
            continue;
        if (!it->m_bExisted)
            ::unlink(it->m_strTarget.c_str());
        else if (!it->m_strBackup.empty())
            ::rename(it->m_strBackup.c_str(), it->m_strTarget.c_str());
        // Whether or not it went back, the old file is not deleted: a backup
        // that could not be renamed stays beside the target.
        it->m_strBackup.clear();
    }
    Discard();
}

void CFileCommit::Discard()
{
    for (const CEntry& entry : m_entries) {
        if (!entry.m_strTemp.empty())
            ::unlink(entry.m_strTemp.c_str());
        if (!entry.m_strBackup.empty())
            ::unlink(entry.m_strBackup.c_str());
    }
    m_entries.clear();
}
