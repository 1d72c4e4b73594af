#include "CProgramFolder.h"

#include "../codec/CPath.h"

namespace {
constexpr const char* kProbeName = ".atw-write-probe";
// Deeper shipped folders than this are not copied (a link loop ends here).
constexpr int kMaxCopyDepth = 8;
}  // namespace

std::string CProgramFolder::Resolve(const std::string& exeDir, const std::string& userDir)
{
    if (CanWrite(exeDir) || userDir.empty())
        return exeDir;
    if (!m_fs.MakeDir(userDir) || !CanWrite(userDir))
        return exeDir;
    LayShippedData(exeDir, userDir);
    return userDir;
}

bool CProgramFolder::CanWrite(const std::string& folder)
{
    if (folder.empty() || !m_fs.IsDirectory(folder))
        return false;
    const std::string probe = CPath::Join(folder, kProbeName);
    return m_fs.ProbeCreate(probe);
}

void CProgramFolder::LayShippedData(const std::string& shippedDir, const std::string& targetDir)
{
    for (const char* name : kShipped)
        CopyMissing(CPath::Join(shippedDir, name), CPath::Join(targetDir, name), 0);
}

void CProgramFolder::CopyMissing(const std::string& from, const std::string& to, int depth)
{
    if (m_fs.IsRegularFile(from)) {
        if (!m_fs.IsRegularFile(to) && !m_fs.IsDirectory(to))
            m_fs.CopyFile(from, to);
        return;
    }
    if (!m_fs.IsDirectory(from) || depth >= kMaxCopyDepth || !m_fs.MakeDir(to))
        return;
    for (const std::string& name : m_fs.ListFiles(from))
        CopyMissing(CPath::Join(from, name), CPath::Join(to, name), depth + 1);
}

void CProgramFolder::CleanPreviewFolder(const std::string& programDir)
{
    if (programDir.empty())
        return;
    const std::string preview = CPath::Join(programDir, kPreviewFolder);
    for (const std::string& name : m_fs.ListFiles(preview))
        m_fs.RemoveFile(CPath::Join(preview, name));
    m_fs.RemoveDir(preview);
}
