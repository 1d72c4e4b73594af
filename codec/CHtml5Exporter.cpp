#include "CHtml5Exporter.h"

#include <utility>

#include "CHtml5Css.h"
#include "CHtml5Markup.h"
#include "CMediaFiles.h"
#include "CPageHead.h"
#include "CPath.h"

namespace {
constexpr const char* kBoxId = "tv1";

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

std::string CHtml5Exporter::PageText(const CAppletParameters& params)
{
    CMediaFiles media(m_fs);
    CHtml5Markup markup(params, media, kBoxId);
    const std::string nav = markup.Nav();
    const std::string image = markup.MediaRef(params.m_strBackImage);
    const std::string css = CHtml5Css::StaticCss() +
                            CHtml5Css::BoxCss(std::string("#") + kBoxId, params, markup.Menus(), image) + '\n';
    std::string page = "<!DOCTYPE html>\r\n<html lang=\"" + CHtml5Markup::Escape(m_strLanguage) + "\">\r\n<head>\r\n";
    page += CPageHead::MetaLines(CPageHead::Charset(params.m_strName + nav));
    page += "<title>" + CHtml5Markup::Escape(params.m_strName) + "</title>\r\n";
    page += "<style>\r\n" + WithCrLf(css) + "</style>\r\n</head>\r\n<body>\r\n";
    page += std::string("<div class=\"tv-page\" style=\"text-align:") + AlignWord(params.m_nAlign) + "\">\r\n";
    page += std::string("<div class=\"tv-box\" id=\"") + kBoxId + '"' + markup.BoxAttributes() + ">\r\n";
    page += nav;
    page += "</div>\r\n</div>\r\n";
    page += std::string("<script src=\"") + kRuntimeFile + "\"></script>\r\n</body>\r\n</html>\r\n";
    return page;
}

bool CHtml5Exporter::Export(const CAppletParameters& params, const std::string& pagePath, std::string* error)
{
    const std::string runtime = CPath::Join(m_strProgramDir, kRuntimeFile);
    if (!m_fs.IsRegularFile(runtime))
        return Fail(error, kRuntimeMissing);
    const std::string folder = CPath::Folder(pagePath);
    if (CPath::FileName(pagePath).empty() || (!folder.empty() && !m_fs.IsDirectory(folder)))
        return Fail(error, kSaveFailed);

    const std::string page = PageText(params);
    const std::string runtimeCopy = CPath::Join(folder, kRuntimeFile);
    if (runtimeCopy != runtime && !m_fs.CopyFile(runtime, runtimeCopy))
        return Fail(error, kSaveFailed);

    CMediaFiles media(m_fs);
    CHtml5Markup markup(params, media, kBoxId);
    media.CopyInto(params.m_strBackImage, folder);
    media.CopyInto(params.m_strBackAudio, folder);
    ForEachShownItem(markup.Menus(), [&](const CTavelinItem& item) {
        for (const std::string* path : {&item.m_strNormalImage, &item.m_strOverImage, &item.m_strClickImage,
                                        &item.m_strOverAudio, &item.m_strClickAudio})
            media.CopyInto(*path, folder);
    });

    if (!m_fs.WriteFileAtomic(pagePath, page))
        return Fail(error, kSaveFailed);
    return true;
}
