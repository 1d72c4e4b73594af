// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <set>
#include <string>

#include "core/io/IFileSystem.h"

// An IFileSystem held in memory. Folders listed in m_readOnly (and
// everything below them) refuse every write, so that tests can prove a failed
// save leaves the old files as they were.
class MemoryFileSystem : public IFileSystem {
public:
    bool IsRegularFile(const std::string& path) override;
    bool IsDirectory(const std::string& path) override;
    Kind KindOf(const std::string& path) override;
    bool ReadFile(const std::string& path, std::string& bytes) override;
    bool WriteFileAtomic(const std::string& path, const std::string& bytes) override;
    bool CopyFile(const std::string& from, const std::string& to) override;
    bool MakeDir(const std::string& path) override;
    bool RemoveFile(const std::string& path) override { return m_files.erase(path) != 0; }
    bool RemoveDir(const std::string& path) override { return m_dirs.erase(path) != 0; }

    std::map<std::string, std::string> m_files;
    std::set<std::string> m_dirs;
    std::set<std::string> m_readOnly;
    int m_nQuestions = 0;  // IsRegularFile/IsDirectory/KindOf calls, to prove caching

private:
    bool Writable(const std::string& path) const;
};
