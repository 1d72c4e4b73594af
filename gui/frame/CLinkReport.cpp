// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CLinkReport.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTextDocument>
#include <utility>

#include "core/check/CLinkChecker.h"
#include "editor/CText.h"
#include "editor/IUserPrompts.h"

CLinkReport::CLinkReport(QPlainTextEdit& messages, IUserPrompts& prompts, IFileSystem& fs)
    : QObject(&messages), m_messages(messages), m_prompts(prompts), m_fs(fs)
{
    m_messages.viewport()->installEventFilter(this);
    // Any other text in the view, a report of the check included, ends the
    // lines' link to their items.
    connect(m_messages.document(), &QTextDocument::contentsChanged, this, [this] { m_lineItems.clear(); });
}

bool CLinkReport::Run(const CAppletParameters& params, const QString& pagePath)
{
    if (pagePath.isEmpty()) {
        m_prompts.Message(m_messages.window(), tr(kNotSaved), IUserPrompts::Icon::Information);
        return false;
    }
    // A large project's check takes a moment.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    CLinkChecker checker(m_fs, CText::FromQ(pagePath));
    const auto findings = checker.Run(params);
    QStringList lines;
    for (const std::string& line : CLinkChecker::Lines(findings, checker.Checked()))
        lines << CText::ToQ(line);
    m_messages.setPlainText(lines.join(QLatin1Char('\n')));
    m_lineItems.reserve(findings.size());
    for (const auto& finding : findings)
        m_lineItems.push_back(finding.m_pItem);
    return true;
}

void CLinkReport::SetLineItems(std::vector<const CTavelinItem*> items)
{
    m_lineItems = std::move(items);
}

const CTavelinItem* CLinkReport::ItemAtLine(int line) const
{
    if (line < 0 || static_cast<size_t>(line) >= m_lineItems.size())
        return nullptr;
    return m_lineItems[static_cast<size_t>(line)];
}

bool CLinkReport::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonDblClick)
        return QObject::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int line = m_messages.cursorForPosition(mouse->position().toPoint()).blockNumber();
    const CTavelinItem* item = ItemAtLine(line);
    if (!item)
        return QObject::eventFilter(watched, event);
    emit ItemActivated(item);
    return true;
}
