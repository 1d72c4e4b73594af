// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CMediaFormat.h"

#include "CPath.h"

const std::vector<CMediaFormat::Format>& CMediaFormat::All()
{
    static const std::vector<Format> kFormats = {
        {"gif", Kind::Picture, true},  {"jpg", Kind::Picture, true},  {"jpeg", Kind::Picture, true},
        {"png", Kind::Picture, false}, {"svg", Kind::Picture, false}, {"webp", Kind::Picture, false},
        {"au", Kind::Sound, true},     {"wav", Kind::Sound, false},   {"ogg", Kind::Sound, false},
        {"mp3", Kind::Sound, false},
    };
    return kFormats;
}

const CMediaFormat::Format* CMediaFormat::Of(const std::string& path)
{
    const std::string ext = CPath::Extension(path);
    for (const Format& format : All())
        if (ext == format.extension)
            return &format;
    return nullptr;
}

bool CMediaFormat::OnlyHtml5(const std::string& path)
{
    const Format* format = Of(path);
    return format && !format->appletReads;
}

std::vector<std::string> CMediaFormat::Extensions(Kind kind, bool appletOnly)
{
    std::vector<std::string> found;
    for (const Format& format : All())
        if (format.kind == kind && (format.appletReads || !appletOnly))
            found.emplace_back(format.extension);
    return found;
}
