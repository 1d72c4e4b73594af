#include "CRecentFileList.h"

#include <string>

#include "CText.h"
#include "templates/ISettingsStore.h"

namespace {
const char* const kSection = "Recent File List";

std::string KeyOf(int index)
{
    return "File" + std::to_string(index + 1);
}
} // namespace

CRecentFileList::CRecentFileList(ISettingsStore& settings) : m_settings(settings)
{
    for (int i = 0; i < kSize; ++i) {
        const QString path = CText::ToQ(m_settings.GetString(kSection, KeyOf(i), ""));
        if (!path.isEmpty() && !m_files.contains(path))
            m_files << path;
    }
}

void CRecentFileList::Add(const QString& path)
{
    if (path.isEmpty())
        return;
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > kSize)
        m_files.removeLast();
    Store();
}

void CRecentFileList::Remove(int index)
{
    if (index < 0 || index >= m_files.size())
        return;
    m_files.removeAt(index);
    Store();
}

void CRecentFileList::Store()
{
    for (int i = 0; i < kSize; ++i)
        m_settings.SetString(kSection, KeyOf(i), i < m_files.size() ? CText::FromQ(m_files[i]) : std::string());
}
