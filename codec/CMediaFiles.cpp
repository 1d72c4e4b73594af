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

CMediaFiles::Kind CMediaFiles::Classify(const std::string& path)
{
    if (path.empty())
        return Kind::Missing;
    auto found = m_kinds.find(path);
    if (found != m_kinds.end())
        return found->second;
    Kind kind = Kind::Missing;
    if (m_fs.IsRegularFile(path))
        kind = HasMediaExtension(path) ? Kind::Media : Kind::NotMedia;
    else if (m_fs.Exists(path))
        kind = Kind::NotMedia;
    m_kinds.emplace(path, kind);
    return kind;
}

std::string CMediaFiles::FileRef(const std::string& path)
{
    return IsMedia(path) ? CPath::FileName(path) : std::string();
}

void CMediaFiles::CopyInto(const std::string& path, const std::string& folder)
{
    if (!IsMedia(path))
        return;
    const std::string target = CPath::Join(folder, CPath::FileName(path));
    if (m_copied.insert(path + '\n' + target).second)
        m_fs.CopyFile(path, target);
}

void CMediaFiles::Clear()
{
    m_kinds.clear();
    m_copied.clear();
}
