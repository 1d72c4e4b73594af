// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CPath.h"

#include <cctype>

std::string CPath::FileName(const std::string& path)
{
    const auto pos = path.rfind(kSep);
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string CPath::Folder(const std::string& path)
{
    const auto pos = path.rfind(kSep);
    return pos == std::string::npos ? std::string() : path.substr(0, pos);
}

std::string CPath::Join(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == kSep)
        return folder + name;
    return folder + kSep + name;
}

std::string CPath::ProjectFileFor(const std::string& pagePath)
{
    const std::string name = FileName(pagePath);
    const auto dot = name.rfind('.');
    const std::string base = dot == std::string::npos ? name : name.substr(0, dot);
    const auto pos = pagePath.rfind(kSep);
    if (pos == std::string::npos)
        return base + ".tvx";
    return pagePath.substr(0, pos + 1) + base + ".tvx";
}

std::string CPath::Extension(const std::string& path)
{
    const std::string name = FileName(path);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos)
        return {};
    std::string ext = name.substr(dot + 1);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}
