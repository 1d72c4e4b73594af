// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CAppSettings.h"

std::string CAppSettings::TemplateList(const std::string& defaultValue) const
{
    return m_store.GetString(kTemplateKey.section, kTemplateKey.key, defaultValue);
}

bool CAppSettings::HasWindowPos() const
{
    return m_store.Contains(kWindowPos.section, kWindowPos.key);
}

std::string CAppSettings::RecentKey(int number)
{
    return "File" + std::to_string(number);
}

std::string CAppSettings::RecentFile(int number) const
{
    if (number < 1 || number > kRecentCount)
        return {};
    return m_store.GetString(kRecentSection, RecentKey(number), "");
}

void CAppSettings::SetRecentFile(int number, const std::string& path)
{
    if (number >= 1 && number <= kRecentCount)
        m_store.SetString(kRecentSection, RecentKey(number), path);
}

std::vector<std::string> CAppSettings::RecentFiles() const
{
    std::vector<std::string> paths;
    for (int n = 1; n <= kRecentCount; ++n) {
        std::string path = RecentFile(n);
        if (!path.empty())
            paths.push_back(std::move(path));
    }
    return paths;
}

void CAppSettings::SetRecentFiles(const std::vector<std::string>& paths)
{
    for (int n = 1; n <= kRecentCount; ++n) {
        const size_t i = static_cast<size_t>(n - 1);
        SetRecentFile(n, i < paths.size() ? paths[i] : std::string());
    }
}

int CAppSettings::GetInt(const Row& row) const
{
    return m_store.GetInt(row.section, row.key, row.intDefault);
}

std::string CAppSettings::GetText(const Row& row) const
{
    return m_store.GetString(row.section, row.key, row.textDefault ? row.textDefault : "");
}

void CAppSettings::SetInt(const Row& row, int value)
{
    m_store.SetInt(row.section, row.key, value);
}

void CAppSettings::SetText(const Row& row, const std::string& value)
{
    m_store.SetString(row.section, row.key, value);
}
