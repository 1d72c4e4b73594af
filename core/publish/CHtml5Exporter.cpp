// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CHtml5Exporter.h"

#include <cctype>
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

bool CHtml5Exporter::Fail(std::string* error, const char* message) const
{
    if (error)
        *error = message;
    return false;
}

std::string CHtml5Exporter::BoxIdFor(const std::string& pagePath)
{
    std::string stem = CPath::FileName(pagePath);
    const size_t dot = stem.rfind('.');
    if (dot != std::string::npos && dot > 0)
        stem.erase(dot);
    std::string id = "tv-";
    for (unsigned char c : stem)
        id += std::isalnum(c) || c == '-' || c == '_' ? static_cast<char>(c) : '_';
    return id;
}

CHtml5Exporter::Parts CHtml5Exporter::MakeParts(const CAppletParameters& params, const std::string& boxId)
{
    CMediaFiles media(m_fs);
    CHtml5Markup markup(params, media, boxId);
    Parts parts;
    std::vector<int> classes;
    const std::string image = markup.MediaRef(params.m_strBackImage);
    parts.css = WithCrLf(CHtml5Css::StaticCss() +
                         CHtml5Css::BoxCss('#' + boxId, params, markup.Menus(), image, &classes) + '\n');
    markup.SetStyleClasses(std::move(classes));
    const std::string nav = markup.Nav();
    parts.charset = CPageHead::Charset(params.m_strName + nav);
    parts.box = std::string("<div class=\"tv-page\" style=\"text-align:") + AlignWord(params.m_nAlign) + "\">\r\n";
    parts.box += "<div class=\"tv-box\" id=\"" + boxId + '"' + markup.BoxAttributes() + ">\r\n";
    parts.box += nav;
    parts.box += "</div>\r\n</div>\r\n";
    return parts;
}

std::string CHtml5Exporter::PageText(const CAppletParameters& params, const std::string& boxId)
{
    const Parts parts = MakeParts(params, boxId);
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

std::string CHtml5Exporter::FragmentText(const CAppletParameters& params, const std::string& boxId,
                                         const std::string& cssName)
{
    const Parts parts = MakeParts(params, boxId);
    std::string text = "<!-- " + CHtml5Markup::Escape(params.m_strName) +
                       ": put the link line into the page's head, the rest where the menu goes. The page is to "
                       "be saved as " +
                       parts.charset + ". -->\r\n";
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

    const std::string boxId = BoxIdFor(pagePath);
    std::string page;
    std::string cssPath;
    std::string css;
    if (m_bFragment) {
        cssPath = CPath::ProjectFileFor(pagePath);
        cssPath = cssPath.substr(0, cssPath.size() - 4) + ".css";
        page = FragmentText(params, boxId, CPath::FileName(cssPath));
        css = MakeParts(params, boxId).css;
    } else {
        page = PageText(params, boxId);
    }
    const std::string runtimeCopy = CPath::Join(folder, kRuntimeFile);
    if (runtimeCopy != runtime && !m_fs.CopyFile(runtime, runtimeCopy))
        return Fail(error, kSaveFailed);

    CMediaFiles media(m_fs);
    CHtml5Markup markup(params, media, boxId);
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
