// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CMediaFiles.h"

#include "CMediaFormat.h"
#include "CPath.h"

bool CMediaFiles::HasMediaExtension(const std::string& path)
{
    return CMediaFormat::IsMedia(path);
}

CMediaFiles::Kind CMediaFiles::Judge(const std::string& path)
{
    if (m_fs.IsSymbolicLink(path)) {
        const std::string target = m_fs.LinkTarget(path);
        const bool sound = !target.empty() && !m_fs.IsSymbolicLink(target) && m_fs.IsRegularFile(target) &&
                           HasMediaExtension(target) && HasMediaExtension(path);
        return sound ? Kind::Media : Kind::BadLink;
    }
    if (m_fs.IsRegularFile(path))
        return HasMediaExtension(path) ? Kind::Media : Kind::NotMedia;
    return m_fs.Exists(path) ? Kind::NotMedia : Kind::Missing;
}

CMediaFiles::CEntry& CMediaFiles::EntryOf(std::string_view path)
{
    auto found = m_entries.find(path);
    if (found != m_entries.end())
        return found->second;
    std::string key(path);
    CEntry entry;
    entry.m_kind = Judge(key);
    return m_entries.emplace(std::move(key), std::move(entry)).first->second;
}

CMediaFiles::Kind CMediaFiles::Classify(std::string_view path)
{
    return path.empty() ? Kind::Missing : EntryOf(path).m_kind;
}

std::string CMediaFiles::FileRef(std::string_view path)
{
    if (!IsMedia(path))
        return std::string();
    const std::string& shared = EntryOf(path).m_strSharedName;
    return shared.empty() ? CPath::FileName(std::string(path)) : shared;
}

// A file goes to each target path once, however many folders name the same
// place ("a" and "a/").
// The entry of a media file that has not yet gone into folder, else null.
CMediaFiles::CEntry* CMediaFiles::UnplacedMedia(std::string_view path, const std::string& folder)
{
    if (path.empty())
        return nullptr;
    CEntry& entry = EntryOf(path);
    if (entry.m_kind != Kind::Media)
        return nullptr;
    for (const auto& copy : entry.m_arrCopies)
        if (copy.first == folder)
            return nullptr;
    return &entry;
}

void CMediaFiles::CopyInto(std::string_view pathText, const std::string& folder)
{
    CEntry* const placing = UnplacedMedia(pathText, folder);
    if (!placing)
        return;
    const std::string path(pathText);
    CEntry& entry = *placing;
    std::string target = CPath::Join(folder, CPath::FileName(path));
    bool copied = false;
    for (const auto& copy : entry.m_arrCopies)
        copied = copied || copy.second == target;
    entry.m_arrCopies.emplace_back(folder, target);
    if (!copied)
        CopyProgramFile(path, target);
}

void CMediaFiles::CopyShared(std::string_view pathText, const std::string& folder)
{
    CEntry* const placing = UnplacedMedia(pathText, folder);
    if (!placing)
        return;
    const std::string path(pathText);
    CEntry& entry = *placing;
    std::string bytes;
    if (!m_fs.ReadFile(path, bytes)) {
        m_warnings.push_back("The file \"" + path + "\" could not be read.");
        return;
    }
    bool present = false;
    const std::string name = FreeSharedName(path, folder, bytes, present);
    if (name.empty()) {
        m_warnings.push_back("The file \"" + path + "\" was not copied: no free name is left in \"" + folder + "\".");
        return;
    }
    const std::string target = CPath::Join(folder, name);
    entry.m_arrCopies.emplace_back(folder, target);
    if (!present)
        m_fs.RemoveStaleCopies(target);
    if (present || m_fs.CopyFile(path, target))
        entry.m_strSharedName = name;
    else
        m_warnings.push_back("The file \"" + path + "\" could not be copied to \"" + target + "\".");
}

std::string CMediaFiles::FreeSharedName(const std::string& path, const std::string& folder, const std::string& bytes,
                                        bool& present)
{
    constexpr int kMaxTries = 1000;
    const std::string own = CPath::FileName(path);
    const auto dot = own.rfind('.');
    const std::string stem = own.substr(0, dot);
    const std::string extension = dot == std::string::npos ? std::string() : own.substr(dot);
    for (int n = 1; n <= kMaxTries; ++n) {
        const std::string name = n == 1 ? own : stem + "_" + std::to_string(n) + extension;
        const std::string target = CPath::Join(folder, name);
        if (!m_fs.Exists(target) && !m_fs.IsSymbolicLink(target))
            return name;
        std::string there;
        if (m_fs.IsRegularFile(target) && m_fs.ReadFile(target, there) && there == bytes) {
            present = true;
            return name;
        }
    }
    return std::string();
}

void CMediaFiles::CopyProgramFile(const std::string& from, const std::string& to)
{
    const auto [placed, isNew] = m_targets.emplace(to, from);
    if (!isNew) {
        if (placed->second != from)
            m_warnings.push_back("The file \"" + from + "\" was not copied: \"" + placed->second +
                                 "\" of the same name already went to \"" + to + "\".");
        return;
    }
    m_fs.RemoveStaleCopies(to);  // what a copy cut off before left there
    if (!m_fs.CopyFile(from, to))
        m_warnings.push_back("The file \"" + from + "\" could not be copied to \"" + to + "\".");
}

void CMediaFiles::Clear()
{
    m_entries.clear();
    m_targets.clear();
    m_warnings.clear();
}
