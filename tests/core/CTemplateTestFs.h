// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/io/CStdFileSystem.h"

// The real file system with faults on demand: every change under a
// read-only folder is refused, and one file cannot be read.
class CTemplateTestFs : public CStdFileSystem {
public:
    std::string m_strReadOnlyFolder;
    std::string m_strUnreadableFile;

    bool ReadFile(const std::string& path, std::string& bytes) override
    {
        return path != m_strUnreadableFile && CStdFileSystem::ReadFile(path, bytes);
    }
    bool ReadBytes(const std::string& path, std::unique_ptr<char[]>& bytes, size_t& size) override
    {
        return path != m_strUnreadableFile && CStdFileSystem::ReadBytes(path, bytes, size);
    }
    bool ProbeCreate(const std::string& path) override { return !Refused(path) && CStdFileSystem::ProbeCreate(path); }
    bool WriteFileAtomic(const std::string& path, const std::string& bytes) override
    {
        return !Refused(path) && CStdFileSystem::WriteFileAtomic(path, bytes);
    }
    bool CopyFile(const std::string& from, const std::string& to) override
    {
        return !Refused(to) && CStdFileSystem::CopyFile(from, to);
    }
    bool MakeDir(const std::string& path) override
    {
        return IsDirectory(path) || (!Refused(path) && CStdFileSystem::MakeDir(path));
    }
    bool RemoveFile(const std::string& path) override { return !Refused(path) && CStdFileSystem::RemoveFile(path); }
    bool RemoveDir(const std::string& path) override { return !Refused(path) && CStdFileSystem::RemoveDir(path); }

private:
    bool Refused(const std::string& path) const
    {
        return !m_strReadOnlyFolder.empty() && path.rfind(m_strReadOnlyFolder, 0) == 0;
    }
};
