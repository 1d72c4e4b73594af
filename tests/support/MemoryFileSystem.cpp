// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "MemoryFileSystem.h"

bool MemoryFileSystem::IsRegularFile(const std::string& path)
{
    ++m_nQuestions;
    return m_files.count(path) != 0;
}

bool MemoryFileSystem::IsDirectory(const std::string& path)
{
    ++m_nQuestions;
    return m_dirs.count(path) != 0;
}

IFileSystem::Kind MemoryFileSystem::KindOf(const std::string& path)
{
    ++m_nQuestions;
    return m_files.count(path) != 0 ? Kind::Regular : m_dirs.count(path) != 0 ? Kind::Directory : Kind::Missing;
}

bool MemoryFileSystem::ReadFile(const std::string& path, std::string& bytes)
{
    const auto found = m_files.find(path);
    if (found == m_files.end())
        return false;
    bytes = found->second;
    return true;
}

bool MemoryFileSystem::Writable(const std::string& path) const
{
    for (const std::string& folder : m_readOnly)
        if (path.compare(0, folder.size() + 1, folder + "/") == 0)
            return false;
    return true;
}

bool MemoryFileSystem::WriteFileAtomic(const std::string& path, const std::string& bytes)
{
    if (!Writable(path) || m_dirs.count(path) != 0)
        return false;
    m_files[path] = bytes;
    return true;
}

bool MemoryFileSystem::CopyFile(const std::string& from, const std::string& to)
{
    std::string bytes;
    return ReadFile(from, bytes) && WriteFileAtomic(to, bytes);
}

bool MemoryFileSystem::MakeDir(const std::string& path)
{
    if (!Writable(path))
        return false;
    m_dirs.insert(path);
    return true;
}
