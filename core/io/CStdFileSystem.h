// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <map>
#include <sys/types.h>

#include "IFileSystem.h"

// IFileSystem on the standard library and POSIX.
//
// Writes never follow a link into a new file: a page or project file that
// is a symbolic link has the file it points to written (the link stays), and
// a replaced file keeps its mode and group. Copies replace a link at the
// target by the copy itself.
class CStdFileSystem : public IFileSystem {
public:
    ~CStdFileSystem() override;

    bool IsRegularFile(const std::string& path) override;
    bool IsDirectory(const std::string& path) override;
    bool Exists(const std::string& path) override;
    Kind KindOf(const std::string& path) override;
    bool ReadFile(const std::string& path, std::string& bytes) override;
    bool ReadBytes(const std::string& path, std::unique_ptr<char[]>& bytes, size_t& size) override;
    void ReleaseBytes(std::string_view buffer, size_t from, size_t to) override;
    bool WriteFileAtomic(const std::string& path, const std::string& bytes) override;
    bool WriteFilesAtomic(const std::vector<CFileWrite>& files, bool removeStale = false) override;
    bool FillFilesAtomic(const std::vector<CFileFill>& files, bool removeStale = false) override;
    bool CopyFile(const std::string& from, const std::string& to) override;
    bool MakeDir(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    bool ProbeCreate(const std::string& path) override;
    bool RemoveDir(const std::string& path) override;
    std::vector<std::string> ListFiles(const std::string& folder) override;
    bool IsSymbolicLink(const std::string& path) override;
    std::string LinkTarget(const std::string& path) override;
    bool MayFollowLink(const std::string& path) override;
    void RemoveStaleCopies(const std::string& target) override;
    int FinishInterruptedWrite(const std::string& path) override;
    bool HasInterruptedWrite(const std::string& path) override;
    bool Lock(const std::string& path) override;
    void Unlock(const std::string& path) override;

    // The one instance that the programs use.
    static CStdFileSystem& Instance();

    // How long Lock waits for another save, in milliseconds.
    void SetLockTimeout(int milliseconds) { m_nLockTimeoutMs = milliseconds; }

protected:
    friend class CFileCommit;

    // Opens the new temporary file that a write fills, created with at most
    // the permissions of mode; tests point it at a device that fails
    // mid-write.
    virtual std::FILE* OpenForWriting(const std::string& tempPath, mode_t mode);
    // Renames a finished temporary file over its target; tests make it fail.
    virtual bool RenameFile(const std::string& from, const std::string& to);

private:
    struct CHeldLock {
        int m_fd = -1;
        bool m_bCreated = false;
    };
    std::map<std::string, CHeldLock> m_locks;
    int m_nLockTimeoutMs = 20000;
};
