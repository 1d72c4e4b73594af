// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CFileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

CFileLock::~CFileLock()
{
    Release();
}

CFileLock::CFileLock(CFileLock&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_strPath(std::move(other.m_strPath))
{
}

CFileLock& CFileLock::operator=(CFileLock&& other) noexcept
{
    if (this != &other) {
        Release();
        m_fd = std::exchange(other.m_fd, -1);
        m_strPath = std::move(other.m_strPath);
    }
    return *this;
}

bool CFileLock::TryLock(const std::string& path)
{
    Release();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    // The owner may have removed the file between our open and our lock:
    // then this lock guards nothing that others can see.
    struct stat held {};
    struct stat named {};
    if (::fstat(fd, &held) != 0 || ::stat(path.c_str(), &named) != 0 || held.st_ino != named.st_ino ||
        held.st_dev != named.st_dev) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_strPath = path;
    return true;
}

void CFileLock::Release()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void CFileLock::RemoveAndRelease()
{
    if (m_fd >= 0)
        ::unlink(m_strPath.c_str());
    Release();
}
