// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// An exclusive advisory lock (flock) on a lock file, held as long as this
// object lives or until Release. The lock belongs to this process alone: the
// descriptor is closed on exec, so a program started from here holds nothing,
// and the system drops the lock when the process ends in any way (a crash, a
// kill, a power cut), which is how a lock file tells a running owner from a
// gone one.
class CFileLock {
public:
    CFileLock() = default;
    ~CFileLock();
    CFileLock(CFileLock&& other) noexcept;
    CFileLock& operator=(CFileLock&& other) noexcept;
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

    // Creates path when missing and takes the lock without waiting. False
    // when another process (or another lock object) holds it, or when the
    // file cannot be made. A lock file removed or replaced while it was being
    // taken counts as held by someone else.
    bool TryLock(const std::string& path);
    bool Held() const { return m_fd >= 0; }
    const std::string& Path() const { return m_strPath; }
    // Drops the lock; the file stays.
    void Release();
    // Removes the file while still holding the lock, then drops it.
    void RemoveAndRelease();

private:
    int m_fd = -1;
    std::string m_strPath;
};
