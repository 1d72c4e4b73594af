// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CHelpSystem.h"

#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>
#include <QUrl>
#include <QVariant>
#include <QWidget>
#include <utility>

#include "CHelpEventFilter.h"
#include "core/io/CPath.h"
#include "editor/CBrowserLauncher.h"
#include "editor/CText.h"

namespace {

const QList<std::pair<int, const char*>>& PageTable()
{
    static const QList<std::pair<int, const char*>> table = {
        {CHelpSystem::kMenuSheet, "menu_sheet.htm"},
        {CHelpSystem::kItemSheet, "item_sheet.htm"},
        {CHelpSystem::kGettingStarted, "getting_started.htm"},
        {CHelpSystem::kFaq, "faq.htm"},
        {CHelpSystem::kAppletParameters, "applet_parameters.htm"},
        {CHelpSystem::kMoreStyles, "more_styles.htm"},
        {CHelpSystem::kMenuStyle, "menu_style.htm"},
        {CHelpSystem::kItemNormal, "item_normal.htm"},
        {CHelpSystem::kItem, "item.htm"},
        {CHelpSystem::kItemMouseOver, "item_mouse_over.htm"},
        {CHelpSystem::kItemClicked, "item_clicked.htm"},
        {CHelpSystem::kFontDialog, "dlg_font.htm"},
        {CHelpSystem::kImageDialog, "dlg_image.htm"},
        {CHelpSystem::kAudioDialog, "dlg_audio.htm"},
        {CHelpSystem::kAnimateSpeedDialog, "dlg_animate_speed.htm"},
        {CHelpSystem::kBackgroundStyleDialog, "dlg_background_style.htm"},
        {CHelpSystem::kWebBrowserDialog, "dlg_web_browser.htm"},
        {CHelpSystem::kNewDialog, "dlg_new.htm"},
        {CHelpSystem::kSaveTemplateDialog, "dlg_save_template.htm"},
        {CHelpSystem::kManageTemplatesDialog, "dlg_manage_templates.htm"},
        {CHelpSystem::kHtmlDialog, "dlg_html.htm"},
        {CHelpSystem::kAboutDialog, "about.htm"},
    };
    return table;
}

// The main window's status bar, for the context-help prompt.
QStatusBar* StatusBarOf(QWidget* owner)
{
    if (auto* window = qobject_cast<QMainWindow*>(owner ? owner->window() : nullptr))
        return window->statusBar();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<QMainWindow*>(top))
            return window->statusBar();
    }
    return nullptr;
}

}  // namespace

CHelpSystem::CHelpSystem(const std::string& dataDir, const CBrowserLauncher& browser)
    : m_strFolder(CText::ToQ(CPath::Join(dataDir, "help"))), m_browser(browser),
      m_pFilter(std::make_unique<CHelpEventFilter>(*this))
{
}

CHelpSystem::~CHelpSystem() = default;

void CHelpSystem::ShowContents(QWidget* owner)
{
    ShowTopic(owner, 0);
}

void CHelpSystem::ShowTopic(QWidget* owner, int context)
{
    m_browser.ShowPage(QUrl::fromLocalFile(PagePath(PageFor(context))), owner);
}

void CHelpSystem::ShowIndex(QWidget* owner)
{
    m_browser.ShowPage(QUrl::fromLocalFile(PagePath(QLatin1String(kIndexPage))), owner);
}

void CHelpSystem::ShowForFocus(QWidget* owner)
{
    QWidget* focus = QApplication::focusWidget();
    ShowTopic(owner, ContextOf(focus ? focus : owner));
}

void CHelpSystem::EnterContextHelpMode(QWidget* owner)
{
    CHelpEventFilter& filter = *m_pFilter;
    if (filter.InContextMode())
        return;
    filter.SetContextMode(true, StatusBarOf(owner));
}

void CHelpSystem::LeaveContextHelpMode()
{
    m_pFilter->SetContextMode(false, nullptr);
}

bool CHelpSystem::InContextHelpMode() const
{
    return m_pFilter->InContextMode();
}

void CHelpSystem::InstallHelpKeys()
{
    m_pFilter->SetHandlesKeys(true);
}

void CHelpSystem::Request(QWidget* from, int context)
{
    CHelpEventFilter::Request(from, context);
}

QString CHelpSystem::PageFor(int context)
{
    for (const auto& [number, page] : PageTable()) {
        if (number == context)
            return QLatin1String(page);
    }
    return QLatin1String(kContentsPage);
}

QList<int> CHelpSystem::Contexts()
{
    QList<int> contexts;
    for (const auto& entry : PageTable())
        contexts << entry.first;
    return contexts;
}

int CHelpSystem::ContextOf(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QVariant context = widget->property("helpContext");
        if (context.isValid() && context.toInt() != 0)
            return context.toInt();
    }
    return 0;
}

QString CHelpSystem::PagePath(const QString& page) const
{
    QString path = HelpFolder() + QLatin1Char('/') + page;
    // A page missing from the installation gives way to the contents.
    if (!QFileInfo::exists(path) && page != QLatin1String(kContentsPage))
        return HelpFolder() + QLatin1Char('/') + QLatin1String(kContentsPage);
    return path;
}
