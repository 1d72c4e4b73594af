// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CMemorySettings.h"

#include <charconv>

int CMemorySettings::GetInt(const std::string& section, const std::string& key, int defaultValue)
{
    const auto it = m_values.find({section, key});
    if (it == m_values.end())
        return defaultValue;
    const std::string& text = it->second;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return defaultValue;
    return value;
}

std::string CMemorySettings::GetString(const std::string& section, const std::string& key,
                                       const std::string& defaultValue)
{
    const auto it = m_values.find({section, key});
    return it == m_values.end() ? defaultValue : it->second;
}

void CMemorySettings::SetInt(const std::string& section, const std::string& key, int value)
{
    m_values[{section, key}] = std::to_string(value);
}

void CMemorySettings::SetString(const std::string& section, const std::string& key, const std::string& value)
{
    m_values[{section, key}] = value;
}

bool CMemorySettings::Contains(const std::string& section, const std::string& key)
{
    return m_values.count({section, key}) != 0;
}

void CMemorySettings::Remove(const std::string& section, const std::string& key)
{
    m_values.erase({section, key});
}
