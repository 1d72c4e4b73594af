// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CHtml5Exporter.h"

#include <cctype>
#include <cstdint>
#include <utility>

#include "CHtml5Css.h"
#include "CHtml5Markup.h"
#include "CPageHead.h"
#include "core/io/CMediaFiles.h"
#include "core/io/CPath.h"

namespace {
const char* AlignWord(int align)
{
    return align == 0 ? "center" : align == 2 ? "right" : "left";
}

std::string WithCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// Calls visit for every item the page shows, with the items below it.
template <typename Visit>
void ForEachShownItem(const std::vector<const CTavelin*>& menus, Visit visit)
{
    for (const CTavelin* menu : menus)
        for (const auto& item : menu->m_arrItems)
            if (item->m_bVisible != 0)
                visit(*item);
}
}  // namespace

CHtml5Exporter::CHtml5Exporter(IFileSystem& fs, std::string programDir)
    : m_fs(fs), m_strProgramDir(std::move(programDir)), m_strLanguage(CPageHead::LanguageFromEnvironment())
{
}

std::string CHtml5Exporter::StyleSheetFor(const std::string& pagePath)
{
    const std::string project = CPath::ProjectFileFor(pagePath);
    return project.substr(0, project.size() - 4) + ".css";
}

// An export replaces its own files whenever it is run again, but never a
// folder, a device or pipe, or whatever a symbolic link leads to: no mark
// in a page tells an earlier export from a file of the user's.
std::string CHtml5Exporter::TargetRefusal(const std::string& path) const
{
    const std::string name = CPath::FileName(path);
    if (path.empty())
        return {};
    if (m_fs.IsSymbolicLink(path))
        return name + " is a symbolic link; an export writes no file through a link. Nothing was written.";
    if (m_fs.IsDirectory(path))
        return name + " is a folder; nothing was written.";
    if (m_fs.Exists(path) && !m_fs.IsRegularFile(path))
        return name + " is not a regular file; nothing was written.";
    return {};
}

bool CHtml5Exporter::Fail(std::string* error, const char* message) const
{
    if (error)
        *error = message;
    return false;
}

std::string CHtml5Exporter::ScopeFor(const std::string& pagePath, const std::string& name)
{
    std::string stem = CPath::FileName(pagePath);
    const size_t dot = stem.rfind('.');
    if (dot != std::string::npos && dot > 0)
        stem.erase(dot);
    std::string scope = "tv-";
    for (unsigned char c : stem)
        scope += std::isalnum(c) || c == '-' || c == '_' ? static_cast<char>(c) : '_';
    // FNV-1a over the path and the name, six hex digits of it.
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : pagePath + '\n' + name)
        hash = (hash ^ c) * 16777619u;
    static const char* const kHex = "0123456789abcdef";
    scope += '-';
    for (int shift = 20; shift >= 0; shift -= 4)
        scope += kHex[(hash >> shift) & 15];
    return scope;
}

CHtml5Exporter::Parts CHtml5Exporter::MakeParts(const CAppletParameters& params, const std::string& scope)
{
    CMediaFiles media(m_fs);
    CHtml5Markup markup(params, media, scope);
    Parts parts;
    std::vector<int> classes;
    const std::string image = markup.MediaRef(params.m_strBackImage);
    parts.css = WithCrLf(CHtml5Css::StaticCss() +
                         CHtml5Css::BoxCss('.' + scope, params, markup.Menus(), image, &classes) + '\n');
    markup.SetStyleClasses(std::move(classes));
    const std::string nav = markup.Nav();
    parts.charset = CPageHead::Charset(params.m_strName + nav);
    parts.menu = "<div class=\"tv-box " + scope + '"' + markup.BoxAttributes() + ">\r\n" + nav + "</div>\r\n";
    parts.box = std::string("<div class=\"tv-page\" style=\"text-align:") + AlignWord(params.m_nAlign) + "\">\r\n";
    parts.box += parts.menu;
    parts.box += "</div>\r\n";
    return parts;
}

CHtml5Exporter::Menu CHtml5Exporter::MenuOnly(const CAppletParameters& params, const std::string& scope)
{
    Parts parts = MakeParts(params, scope);
    return {std::move(parts.css), std::move(parts.menu)};
}

std::string CHtml5Exporter::PageText(const CAppletParameters& params, const std::string& scope)
{
    const Parts parts = MakeParts(params, scope);
    std::string page = "<!DOCTYPE html>\r\n<html lang=\"" + CHtml5Markup::Escape(m_strLanguage) + "\">\r\n<head>\r\n";
    page += CPageHead::MetaLines(parts.charset);
    // With scripts on, sub-menus stay shut from the first frame on.
    page += "<script>document.documentElement.className+=\" tv-js\"</script>\r\n";
    page += "<title>" + CHtml5Markup::Escape(params.m_strName) + "</title>\r\n";
    page += "<style>\r\n" + parts.css + "</style>\r\n</head>\r\n<body>\r\n";
    page += parts.box;
    page += std::string("<script src=\"") + kRuntimeFile + "\"></script>\r\n</body>\r\n</html>\r\n";
    return page;
}

std::string CHtml5Exporter::FragmentText(const CAppletParameters& params, const std::string& scope,
                                         const std::string& cssName)
{
    const Parts parts = MakeParts(params, scope);
    // Every text is written in ASCII (character references, percent-encoded
    // UTF-8 addresses), so the menu fits a host page of any character set.
    std::string text = "<!-- " + CHtml5Markup::Escape(params.m_strName) +
                       ": put the link line into the page's head, the rest where the menu goes. It is written in "
                       "ASCII and fits a page of any character set. -->\r\n";
    text += "<link rel=\"stylesheet\" href=\"" + CHtml5Markup::Escape(CHtml5Markup::UrlPath(cssName)) + "\">\r\n";
    text += parts.box;
    text += std::string("<script src=\"") + kRuntimeFile + "\" defer></script>\r\n";
    return text;
}

bool CHtml5Exporter::Export(const CAppletParameters& params, const std::string& pagePath, std::string* error)
{
    m_warnings.clear();
    const std::string runtime = CPath::Join(m_strProgramDir, kRuntimeFile);
    if (!m_fs.IsRegularFile(runtime))
        return Fail(error, kRuntimeMissing);
    const std::string folder = CPath::Folder(pagePath);
    if (CPath::FileName(pagePath).empty() || (!folder.empty() && !m_fs.IsDirectory(folder)))
        return Fail(error, kSaveFailed);
    // Checked before anything is written or copied.
    for (const std::string& target : {pagePath, m_bFragment ? StyleSheetFor(pagePath) : std::string()}) {
        if (const std::string refusal = TargetRefusal(target); !refusal.empty())
            return Fail(error, refusal.c_str());
    }

    const std::string scope = ScopeFor(pagePath, params.m_strName);
    std::string page;
    std::string cssPath;
    std::string css;
    if (m_bFragment) {
        cssPath = StyleSheetFor(pagePath);
        page = FragmentText(params, scope, CPath::FileName(cssPath));
        css = MakeParts(params, scope).css;
    } else {
        page = PageText(params, scope);
    }
    const std::string runtimeCopy = CPath::Join(folder, kRuntimeFile);
    if (runtimeCopy != runtime && !m_fs.CopyFile(runtime, runtimeCopy))
        return Fail(error, kSaveFailed);

    CMediaFiles media(m_fs);
    CHtml5Markup markup(params, media, scope);
    media.CopyInto(params.m_strBackImage, folder);
    media.CopyInto(params.m_strBackAudio, folder);
    ForEachShownItem(markup.Menus(), [&](const CTavelinItem& item) {
        for (const CSharedText* path : {&item.m_strNormalImage, &item.m_strOverImage, &item.m_strClickImage,
                                        &item.m_strOverAudio, &item.m_strClickAudio})
            media.CopyInto(*path, folder);
    });
    m_warnings = media.Warnings();

    if (!cssPath.empty() && !m_fs.WriteFileAtomic(cssPath, css))
        return Fail(error, kSaveFailed);
    if (!m_fs.WriteFileAtomic(pagePath, page))
        return Fail(error, kSaveFailed);
    return true;
}
