#include "CMediaFiles.h"

#include <array>

#include "CPath.h"

bool CMediaFiles::HasMediaExtension(const std::string& path)
{
    static const std::array<const char*, 6> kExtensions = {"gif", "jpg", "jpeg", "png", "au", "wav"};
    const std::string ext = CPath::Extension(path);
    for (const char* known : kExtensions)
        if (ext == known)
            return true;
    return false;
}

CMediaFiles::CEntry& CMediaFiles::EntryOf(const std::string& path)
{
    auto found = m_entries.find(path);
    if (found != m_entries.end())
        return found->second;
    CEntry entry;
    if (m_fs.IsRegularFile(path))
        entry.m_kind = HasMediaExtension(path) ? Kind::Media : Kind::NotMedia;
    else if (m_fs.Exists(path))
        entry.m_kind = Kind::NotMedia;
    return m_entries.emplace(path, std::move(entry)).first->second;
}

CMediaFiles::Kind CMediaFiles::Classify(const std::string& path)
{
    return path.empty() ? Kind::Missing : EntryOf(path).m_kind;
}

std::string CMediaFiles::FileRef(const std::string& path)
{
    return IsMedia(path) ? CPath::FileName(path) : std::string();
}

// A file goes to each target path once, however many folders name the same
// place ("a" and "a/").
void CMediaFiles::CopyInto(const std::string& path, const std::string& folder)
{
    if (path.empty())
        return;
    CEntry& entry = EntryOf(path);
    if (entry.m_kind != Kind::Media)
        return;
    for (const auto& copy : entry.m_arrCopies)
        if (copy.first == folder)
            return;
    std::string target = CPath::Join(folder, CPath::FileName(path));
    bool copied = false;
    for (const auto& copy : entry.m_arrCopies)
        copied = copied || copy.second == target;
    entry.m_arrCopies.emplace_back(folder, target);
    if (!copied)
        m_fs.CopyFile(path, target);
}

void CMediaFiles::Clear()
{
    m_entries.clear();
}
