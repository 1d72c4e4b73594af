// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CPageWriter.h"

#include <utility>

#include "CHtml5Exporter.h"
#include "CHtml5Markup.h"
#include "CPageHead.h"
#include "core/format/CFieldEscape.h"
#include "core/format/CNumberText.h"
#include "core/format/CParamEncoder.h"
#include "core/format/CProjectText.h"
#include "core/io/CLockHold.h"
#include "core/io/CPath.h"
#include "core/model/CItemWalk.h"

namespace {
const char* AlignWord(int align)
{
    static const char* const kWords[] = {"Center", "Left", "Right"};
    return align >= 0 && align < 3 ? kWords[align] : "";
}

// The lines of a text file without their line ends (LF, an optional CR
// before it), each followed by CR LF.
std::string WithCrLfLines(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16 + 2);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos)
            end = text.size();
        if (end > start && text[end - 1] == '\r' && end != text.size())
            --end;
        out.append(text, start, end - start);
        out += "\r\n";
        start = next;
    }
    return out;
}
}  // namespace

CPageWriter::CPageWriter(CAppletParameters& params, IFileSystem& fs, std::string programDir)
    : m_params(params), m_fs(fs), m_strProgramDir(std::move(programDir)),
      m_strLanguage(CPageHead::LanguageFromEnvironment()), m_media(fs)
{
}

std::string CPageWriter::EscapeField(const std::string& text)
{
    return CFieldEscape::Escape(text);
}

std::string CPageWriter::UnescapeField(const std::string& text)
{
    return CFieldEscape::Unescape(text);
}

std::string CPageWriter::EscapeTitle(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else
            out += c;
    }
    return out;
}

std::string CPageWriter::BuildPage()
{
    m_media.Clear();
    CParamEncoder encoder(m_params, [this](std::string_view path) { return m_media.IsMedia(path); });
    encoder.SetEscapeText(m_bHtml5Runtime);
    // With the runtime on, the applet holds the menu as the export writes it
    // (nested lists of real links), which browsers show as its fallback
    // content until the script draws the menu, and for good without script.
    CHtml5Exporter::Menu fallback;
    if (m_bHtml5Runtime)
        fallback = CHtml5Exporter(m_fs, m_strProgramDir).MenuOnly(m_params, kFallbackScope);
    std::string page;
    page += "<title>";
    page += EscapeTitle(m_params.m_strName);
    page += "</title>";
    if (m_bHtml5Runtime) {
        page += "\r\n<style>\r\n" + fallback.css + "</style>\r\n</head>\r\n<body>";
    } else {
        page += "</head>";
    }
    page += "\r\n<p align=\"";
    page += AlignWord(m_params.m_nAlign);
    page += "\">\r\n<applet code=\"";
    page += kClassFile;
    page += "\" align=\"baseline\" width=\"";
    CNumberText::Append(page, m_params.m_nWidth);
    page += "\" height=\"";
    CNumberText::Append(page, m_params.m_nHeight);
    page += "\">\r\n";
    CParamEncoder::AppendParamLine(page, "Notice", kNotice);
    encoder.AppendAllParams(page);
    page += fallback.box;
    page += "</applet>\r\n";
    if (m_bHtml5Runtime) {
        page += kRuntimeLine;
        page += "\r\n</p>\r\n</body>\r\n</html>";
    } else {
        page += "</p>\r\n</html>";
    }
    // In place: the page is the largest text the program holds.
    page.insert(0, PageStart(page));
    return page;
}

std::string CPageWriter::PageStart(const std::string& rest) const
{
    if (!m_bHtml5Runtime)
        return "<html>\r\n<head>";
    // Standards mode; with scripts on, the fallback's sub-menus stay shut
    // from the first frame on, as in an exported page.
    return "<!DOCTYPE html>\r\n<html lang=\"" + CHtml5Markup::Escape(m_strLanguage) + "\">\r\n<head>" +
           CPageHead::MetaLines(CPageHead::Charset(rest)) +
           "<script>document.documentElement.className+=\" tv-js\"</script>\r\n";
}

std::string CPageWriter::ProjectText(bool templateMode, const std::string& templateName)
{
    m_media.Clear();
    CProjectText text(m_params, m_media, templateMode);
    return text.Compose(templateMode ? templateName : "Tavelin1.0");
}

bool CPageWriter::SaveFiles(const std::string& file, const std::string& folder, const std::string& pageText)
{
    StartSave();
    return FinishSave(SaveProject(file, folder, pageText));
}

bool CPageWriter::SaveTemplate(const std::string& folder, const std::string& templateName)
{
    StartSave();
    return FinishSave(WriteTemplate(folder, templateName));
}

void CPageWriter::StartSave()
{
    m_strError.clear();
    m_warnings.clear();
    m_notices.clear();
    m_media.Clear();
}

bool CPageWriter::FinishSave(bool saved)
{
    m_warnings = m_notices;
    m_warnings.insert(m_warnings.end(), m_media.Warnings().begin(), m_media.Warnings().end());
    return saved;
}

bool CPageWriter::CheckTarget(const std::string& path)
{
    const std::string name = CPath::FileName(path);
    if (m_fs.IsDirectory(path)) {
        m_strError = name + " is a folder; nothing was saved.";
        return false;
    }
    if (!m_fs.IsSymbolicLink(path)) {
        if (!m_fs.Exists(path) || m_fs.IsRegularFile(path))
            return true;
        m_strError = name + " is not a regular file; nothing was saved.";
        return false;
    }
    if (!m_fs.MayFollowLink(path)) {
        m_strError = name + " is a symbolic link that another user made in a shared folder; nothing was saved.";
        return false;
    }
    // A link may lead to a page or project file kept elsewhere, but never
    // to a file that some other program wrote.
    const std::string target = m_fs.LinkTarget(path);
    std::string bytes;
    if (target.empty() || (m_fs.Exists(target) && !m_fs.IsRegularFile(target))) {
        m_strError = name + " is a symbolic link that leads to no regular file; nothing was saved.";
        return false;
    }
    const auto ours = [&bytes] {
        return bytes.find(kNotice) != std::string::npos || bytes.find(CProjectText::kNotice) != std::string::npos;
    };
    if (m_fs.IsRegularFile(target) && (!m_fs.ReadFile(target, bytes) || !ours())) {
        m_strError = name + " is a symbolic link to " + target +
                     ", which was not saved by Applet Tavelina Wizard; nothing was saved.";
        return false;
    }
    return true;
}

bool CPageWriter::FinishInterrupted(const std::string& projectFile, const std::string& page)
{
    const int finished = m_fs.FinishInterruptedWrite(projectFile);
    if (finished > 0)
        m_notices.push_back("The last save of " + CPath::FileName(page) +
                            " was cut off between its files; it has now been completed.");
    else if (finished < 0)
        m_strError = "The last save of " + CPath::FileName(page) +
                     " was cut off between its files and could not be completed; nothing was saved.";
    return finished >= 0;
}

// The project file is locked for the whole save, so that two saves of one
// page (two editors, or the editor and atw) never mix. The targets are
// checked before anything is written; copies go first; then the project
// file and the page replace the old pair together, with a journal that lets
// the next open or save complete a pair cut off between its two renames.
bool CPageWriter::SaveProject(const std::string& file, const std::string& folder, const std::string& pageText)
{
    const std::string projectFile = CPath::Join(folder, CPath::FileName(CPath::ProjectFileFor(file)));
    if (!CheckTarget(projectFile) || !CheckTarget(file))
        return false;
    // Held until the save ends, however it ends (running out of memory too).
    const CLockHold lock(m_fs, projectFile);
    if (!lock.Held()) {
        m_strError = kProjectBusy;
        return false;
    }
    if (!FinishInterrupted(projectFile, file))
        return false;
    const std::string classFile = CPath::Join(m_strProgramDir, kClassFile);
    if (m_fs.IsRegularFile(classFile))
        m_media.CopyProgramFile(classFile, CPath::Join(folder, kClassFile));
    const std::string runtime = CPath::Join(m_strProgramDir, kRuntimeFile);
    if (m_bHtml5Runtime && m_fs.IsRegularFile(runtime))
        m_media.CopyProgramFile(runtime, CPath::Join(folder, kRuntimeFile));
    m_media.CopyInto(m_params.m_strBackImage, folder);
    m_media.CopyInto(m_params.m_strBackAudio, folder);
    CopyItemMedia(folder, folder, false);

    // The project file goes to its temporary file a piece at a time: at a
    // million items its text would be the largest thing the save holds.
    CProjectText project(m_params, m_media, false);
    const std::vector<IFileSystem::CFileFill> files = {
        {projectFile, [&project](IByteSink& sink) { return project.Write("Tavelin1.0", sink); }},
        {file, [&pageText](IByteSink& sink) { return sink.Write(pageText); }}};
    return m_fs.FillFilesAtomic(files, true) || Fail();
}

bool CPageWriter::WriteTemplate(const std::string& folder, const std::string& templateName)
{
    const std::string imageFolder = CPath::Join(folder, "Sample/Image");
    const std::string audioFolder = CPath::Join(folder, "Sample/Audio");
    m_fs.MakeDir(imageFolder);
    m_fs.MakeDir(audioFolder);
    // The sample folders belong to every template: a file of the same name
    // there is never replaced (CopyShared).
    m_media.CopyShared(m_params.m_strBackImage, imageFolder);
    m_media.CopyShared(m_params.m_strBackAudio, audioFolder);
    CopyItemMedia(imageFolder, audioFolder, true);

    const std::string section = CProjectText(m_params, m_media, true).Compose(templateName);
    const std::string path = CPath::Join(folder, kTemplateFile);
    std::string old;
    // Never replace a template file that could not be read, nor read a pipe
    // or a device in its place.
    if (m_fs.Exists(path) && (!m_fs.IsRegularFile(path) || !m_fs.ReadFile(path, old)))
        return Fail();
    return m_fs.WriteFileAtomic(path, WithCrLfLines(old) + section) || Fail();
}

void CPageWriter::CopyItemMedia(const std::string& imageFolder, const std::string& audioFolder, bool shared)
{
    const auto copy = [this, shared](std::string_view path, const std::string& folder) {
        shared ? m_media.CopyShared(path, folder) : m_media.CopyInto(path, folder);
    };
    for (const auto& menu : m_params.m_arrMenus) {
        CItemWalk::ForEach(*menu, [&](const CTavelinItem& item) {
            copy(item.m_strNormalImage, imageFolder);
            copy(item.m_strOverImage, imageFolder);
            copy(item.m_strClickImage, imageFolder);
            copy(item.m_strOverAudio, audioFolder);
            copy(item.m_strClickAudio, audioFolder);
        });
    }
}

bool CPageWriter::Fail()
{
    m_strError = kSaveFailed;
    return false;
}
