// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CRecentFileList.h"

#include <string>
#include <vector>

#include "CText.h"
#include "core/settings/CAppSettings.h"

CRecentFileList::CRecentFileList(ISettingsStore& settings) : m_settings(settings)
{
    for (const std::string& stored : CAppSettings(m_settings).RecentFiles()) {
        const QString path = CText::ToQ(stored);
        if (!m_files.contains(path))
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
    std::vector<std::string> paths;
    for (const QString& path : m_files)
        paths.push_back(CText::FromQ(path));
    CAppSettings(m_settings).SetRecentFiles(paths);
}
