// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CPrivateFolder.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool Owned(const struct stat& st)
{
    return st.st_uid == ::geteuid();
}

// Makes path (with mode) and its missing parents (as the umask says); an
// existing folder is no failure.
bool MakePath(const std::string& path, mode_t mode)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    const size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakePath(path.substr(0, slash), 0777))
        return false;
    return ::mkdir(path.c_str(), mode) == 0 || errno == EEXIST;
}
}  // namespace

bool CPrivateFolder::IsOurs(const std::string& folder)
{
    struct stat link {};
    struct stat target {};
    if (folder.empty() || ::lstat(folder.c_str(), &link) != 0 || ::stat(folder.c_str(), &target) != 0)
        return false;
    return S_ISDIR(target.st_mode) && Owned(target) && (!S_ISLNK(link.st_mode) || Owned(link));
}

bool CPrivateFolder::Make(const std::string& folder)
{
    if (folder.empty() || !MakePath(folder, 0700) || !IsOurs(folder))
        return false;
    struct stat st {};
    return ::stat(folder.c_str(), &st) == 0 && ((st.st_mode & 0077) == 0 || ::chmod(folder.c_str(), 0700) == 0);
}

bool CPrivateFolder::IsOurFile(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && Owned(st);
}

bool CPrivateFolder::CreateFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    return ::close(fd) == 0;
}

bool CPrivateFolder::Move(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0;
}
