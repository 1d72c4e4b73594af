// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CParameterCheck.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "CLabelFit.h"
#include "core/format/CNumberingWalk.h"
#include "core/io/CMediaFormat.h"
#include "core/io/CPath.h"
#include "core/model/CItemWalk.h"

namespace {
const char* const kKinds[] = {"\" normal image file \"", "\" mouse over image file \"", "\" mouse click image file \"",
                              "\" mouse over audio file \"", "\" mouse click audio file \""};
constexpr const char* kBadLink =
    " is a symbolic link that does not lead to an image or audio file of its kind; it is not copied.\r\n";
const char* const kFieldNames[] = {"normal image file", "mouse over image file", "mouse click image file",
                                   "mouse over audio file", "mouse click audio file"};

int Clamp(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

void AppendCommaWarning(std::string& out, std::string_view label, const char* what, std::string_view text)
{
    if (text.find(',') == std::string_view::npos)
        return;
    out += "Warning:\t\tItem \"";
    out += label;
    out += "\" ";
    out += what;
    out += " \"";
    out += text;
    out += "\" contains a comma, which the applet reads as a field separator.\r\n";
}

// "Products > Software": the labels from the top down to the item.
std::string LabelPath(const std::vector<const CTavelinItem*>& items)
{
    std::string path;
    for (const CTavelinItem* item : items)
        path += (path.empty() ? "" : " > ") + CLabelFit::OneLine(item->m_strLabel);
    return path;
}

// The file name after the last separator, as a view into path.
std::string_view FileNameOf(std::string_view path)
{
    const size_t pos = path.rfind(CPath::kSep);
    return pos == std::string_view::npos ? path : path.substr(pos + 1);
}
}  // namespace

CParameterCheck::CParameterCheck(CAppletParameters& params, IFileSystem& fs) : m_params(params), m_media(fs)
{
}

CParameterCheck::Result CParameterCheck::Run()
{
    m_media.Clear();
    m_names.clear();
    m_clashes.clear();
    m_marks.clear();
    std::string report = "-----------------Checking " + m_params.m_strName + " Parameters--------------\r\n\r\n";
    m_state.m_nMaxWidth = 0;
    m_state.m_nTotalHeight = m_params.m_nDisplayFromY;
    for (const auto& menu : m_params.m_arrMenus)
        if (menu->m_bVisible != 0)
            AccumulateSize(*menu, 0, m_state);
    const int width = Clamp(std::int64_t{m_state.m_nMaxWidth} + 4);
    const int height = Clamp(std::int64_t{m_state.m_nTotalHeight} + 4);
    report +=
        "Recommend:\tApplet Width:" + std::to_string(width) + ",\tApplet Height:" + std::to_string(height) + "\r\n";
    CheckAppletFile(m_params.m_strBackImage, "image", report);
    CheckAppletFile(m_params.m_strBackAudio, "audio", report);
    for (const auto& menu : m_params.m_arrMenus)
        WalkMenuFiles(std::string(), *menu, report, true, false);
    AppendHtml5OnlyWarnings(report);
    AppendCommaWarnings(report);
    AppendLabelWarnings(report);
    report += kFooter;
    std::vector<const CTavelinItem*> lines = LineItems(report);
    return Result{std::move(report), width, height, std::move(lines)};
}

void CParameterCheck::Mark(const std::string& text, const CTavelinItem* item)
{
    m_marks.emplace_back(text.size(), item);
}

std::vector<const CTavelinItem*> CParameterCheck::LineItems(const std::string& report) const
{
    std::vector<const CTavelinItem*> lines(static_cast<size_t>(std::count(report.begin(), report.end(), '\n')) + 1);
    size_t line = 0, counted = 0;
    // The marks come in the order of the report.
    for (const auto& [offset, item] : m_marks) {
        if (offset >= report.size() || offset < counted)
            continue;
        line += static_cast<size_t>(
            std::count(report.begin() + std::ptrdiff_t(counted), report.begin() + std::ptrdiff_t(offset), '\n'));
        counted = offset;
        lines[line] = item;
    }
    return lines;
}

// Labels cut by their item's width, each with its path from the top.
void CParameterCheck::AppendLabelWarnings(std::string& report)
{
    for (const CLabelFit::Misfit& misfit : CLabelFit::Find(m_params)) {
        Mark(report, misfit.item);
        report += "Warning:\t\tItem \"" + misfit.path + "\" label is about " + std::to_string(misfit.width) +
                  " pixels wide, but its item leaves it " + std::to_string(misfit.room) +
                  ": the label is cut. Widen the menu's items, or turn on Auto-Change Menu Size.\r\n";
    }
}

// Media files the applet cannot read: the page's HTML5 forms show and play
// them, the applet leaves them out. Hidden items are not in the page.
void CParameterCheck::AppendHtml5OnlyWarnings(std::string& report)
{
    static constexpr const char* kOnlyHtml5 =
        "\" is used only by the HTML5 forms: the applet reads GIF and JPEG images and .au sounds.\r\n";
    const char* const applet[] = {"image", "audio"};
    const std::string* appletPaths[] = {&m_params.m_strBackImage, &m_params.m_strBackAudio};
    for (int i = 0; i < 2; ++i)
        if (m_media.IsMedia(*appletPaths[i]) && CMediaFormat::OnlyHtml5(*appletPaths[i]))
            report +=
                std::string("Warning:\t\tApplet background ") + applet[i] + " file \"" + *appletPaths[i] + kOnlyHtml5;
    for (const auto& top : m_params.m_arrMenus) {
        if (top->m_bVisible == 0)
            continue;
        CItemWalk::Walk(*top, [&](const CItemWalk::CStep& step) {
            if (step.item.m_bVisible == 0)
                return CItemWalk::Next::Past;
            const CTavelinItem& item = step.item;
            const CSharedText* paths[] = {&item.m_strNormalImage, &item.m_strOverImage, &item.m_strClickImage,
                                          &item.m_strOverAudio, &item.m_strClickAudio};
            for (int i = 0; i < 5; ++i) {
                const std::string path(*paths[i]);
                if (!m_media.IsMedia(path) || !CMediaFormat::OnlyHtml5(path))
                    continue;
                Mark(report, &item);
                report += "Warning:\t\tItem \"" + LabelPath(step.path) + kKinds[i] + path + kOnlyHtml5;
            }
            return CItemWalk::Next::Into;
        });
    }
}

// Every visible branch counts as open: heights add up, and each sub-menu
// starts one indent further right than its parent.
void CParameterCheck::AccumulateSize(const CTavelin& menu, int x, CWriteState& state)
{
    std::int64_t maxWidth = state.m_nMaxWidth;
    std::int64_t total = state.m_nTotalHeight;
    const auto add = [&](const CTavelin& m, std::int64_t left) {
        // A menu whose items are all hidden is not shown: it adds nothing
        // (rather than taking one gap off the height).
        const std::int64_t visible = m.GetItemCount(false);
        if (visible == 0)
            return;
        const int b = (m.m_nBackStyle & 0xF) == 2 ? 1 : 0;
        maxWidth = std::max(maxWidth, left + m.m_nIndent + m.m_nItemWidth + b);
        total += visible * (std::int64_t{m.m_nItemHeight} + m.m_nItemGap) - m.m_nItemGap + b;
    };
    add(menu, x);
    std::vector<std::int64_t> lefts{x};  // by depth: where the menus of the items at that depth start
    CItemWalk::Walk(menu, [&](const CItemWalk::CStep& step) {
        if (step.item.m_bVisible == 0)
            return CItemWalk::Next::Past;
        lefts.resize(static_cast<size_t>(step.Depth()) + 1);
        lefts.push_back(lefts.back() + step.menu.m_nIndent);
        add(step.item.SubMenu(), lefts.back());
        return CItemWalk::Next::Into;
    });
    state.m_nMaxWidth = Clamp(maxWidth);
    state.m_nTotalHeight = Clamp(total);
}

void CParameterCheck::CheckMenuFiles(const std::string& folder, const CTavelin& menu, std::string& messages,
                                     bool checkOnly, bool templateMode)
{
    m_media.Clear();
    WalkMenuFiles(folder, menu, messages, checkOnly, templateMode);
}

void CParameterCheck::WalkMenuFiles(const std::string& folder, const CTavelin& menu, std::string& messages,
                                    bool checkOnly, bool templateMode)
{
    const std::string imageFolder = templateMode ? CPath::Join(folder, "Sample/Image") : folder;
    const std::string audioFolder = templateMode ? CPath::Join(folder, "Sample/Audio") : folder;
    CItemWalk::ForEach(menu, [&](const CTavelinItem& item) {
        const CSharedText* paths[] = {&item.m_strNormalImage, &item.m_strOverImage, &item.m_strClickImage,
                                      &item.m_strOverAudio, &item.m_strClickAudio};
        for (int i = 0; i < 5; ++i) {
            if (checkOnly)
                CheckItemFile(item, *paths[i], kKinds[i], messages);
            else
                m_media.CopyInto(*paths[i], i < 3 ? imageFolder : audioFolder);
        }
    });
}

void CParameterCheck::CheckItemFile(const CTavelinItem& item, std::string_view pathText, const char* kind,
                                    std::string& messages)
{
    if (pathText.empty())
        return;
    const CMediaFiles::Kind found = m_media.Classify(pathText);
    if (found == CMediaFiles::Kind::Media) {
        CheckSameName(pathText, messages);
        return;
    }
    Mark(messages, &item);
    const std::string path(pathText);
    if (found == CMediaFiles::Kind::Missing)
        messages += "Warning:\t\tItem \"" + item.m_strLabel + kind + path + "\" not exist.\r\n";
    else if (found == CMediaFiles::Kind::NotMedia)
        messages += "Warning:\t\tItem \"" + item.m_strLabel + kind + path +
                    "\" is not an image or audio file; it is not copied.\r\n";
    else if (found == CMediaFiles::Kind::BadLink)
        messages += "Warning:\t\tItem \"" + item.m_strLabel + kind + path + "\"" + kBadLink;
}

// Two different files of one name would land on one copy beside the page.
void CParameterCheck::CheckSameName(std::string_view pathText, std::string& messages)
{
    const std::string_view name = FileNameOf(pathText);
    const auto first = m_names.find(name);
    if (first == m_names.end()) {
        m_names.emplace(name, pathText);
        return;
    }
    if (first->second == pathText)
        return;
    const std::string path(pathText);
    if (m_clashes.insert(path).second)
        messages += "Warning:\t\tThe files \"" + first->second + "\" and \"" + path +
                    "\" have the same name; only the first is copied beside the page.\r\n";
}

void CParameterCheck::CheckAppletFile(const std::string& path, const char* what, std::string& messages)
{
    if (path.empty())
        return;
    const CMediaFiles::Kind found = m_media.Classify(path);
    const std::string start = std::string("Warning:\t\tApplet background ") + what + " file \"" + path;
    if (found == CMediaFiles::Kind::Missing)
        messages += start + "\" not exist.\r\n";
    else if (found == CMediaFiles::Kind::NotMedia)
        messages += start + "\" is not an image or audio file; it is not copied.\r\n";
    else if (found == CMediaFiles::Kind::BadLink)
        messages += start + "\"" + kBadLink;
    else
        CheckSameName(path, messages);
}

// Texts that reach the page with a comma in them: the applet would split them.
void CParameterCheck::AppendCommaWarnings(std::string& out)
{
    const char* const applet[] = {"image", "audio"};
    const std::string* appletPaths[] = {&m_params.m_strBackImage, &m_params.m_strBackAudio};
    for (int i = 0; i < 2; ++i) {
        const std::string name = CPath::FileName(*appletPaths[i]);
        if (m_media.IsMedia(*appletPaths[i]) && name.find(',') != std::string::npos)
            out += std::string("Warning:\t\tApplet background ") + applet[i] + " file \"" + name +
                   "\" contains a comma, which the applet reads as a field separator.\r\n";
    }
    CNumberingWalk walk(m_params, true, m_state);
    for (const CTavelin* menu : walk.Run()) {
        for (const auto& item : menu->m_arrItems) {
            if (item->m_bVisible == 0)
                continue;
            const std::string_view label = item->m_strLabel;
            auto warn = [&](const char* what, std::string_view text) {
                const size_t before = out.size();
                AppendCommaWarning(out, label, what, text);
                if (out.size() != before)
                    m_marks.emplace_back(before, item.get());
            };
            warn("label", label);
            warn("description", item->m_strDescription);
            warn("target", item->m_strTarget);
            warn("link", item->m_strLink);
            const CSharedText* paths[] = {&item->m_strNormalImage, &item->m_strOverImage, &item->m_strClickImage,
                                          &item->m_strOverAudio, &item->m_strClickAudio};
            for (int i = 0; i < 5; ++i)
                if (m_media.IsMedia(*paths[i]))
                    warn(kFieldNames[i], FileNameOf(*paths[i]));
        }
    }
    m_state.ClearWalk();
}
