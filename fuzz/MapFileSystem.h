// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>

#include "core/io/IFileSystem.h"

// Files held in a map: the fuzzers read and write no disk.
class MapFileSystem : public IFileSystem {
public:
    std::map<std::string, std::string> m_files;

    bool IsRegularFile(const std::string& path) override { return m_files.count(path) != 0; }
    bool IsDirectory(const std::string&) override { return false; }
    bool ReadFile(const std::string& path, std::string& bytes) override
    {
        const auto found = m_files.find(path);
        if (found == m_files.end())
            return false;
        bytes = found->second;
        return true;
    }
    bool WriteFileAtomic(const std::string& path, const std::string& bytes) override
    {
        m_files[path] = bytes;
        return true;
    }
    bool CopyFile(const std::string&, const std::string&) override { return true; }
    bool MakeDir(const std::string&) override { return true; }
    bool RemoveFile(const std::string& path) override { return m_files.erase(path) != 0; }
    bool RemoveDir(const std::string&) override { return true; }
};
