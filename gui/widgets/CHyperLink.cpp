// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CHyperLink.h"

#include <QGuiApplication>
#include <QUrl>

#include "editor/IUserPrompts.h"

CHyperLink::CHyperLink(IUserPrompts& prompts, const QString& text, QWidget* parent)
    : QLabel(parent), m_prompts(prompts), m_strText(text)
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    // A rich-text link: Tab stops on it and Enter follows it; the label
    // never opens it itself, the prompts do.
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::TextBrowserInteraction);
    setOpenExternalLinks(false);
    setAccessibleName(text);
    connect(this, &QLabel::linkActivated, this, [this] { OpenURL(); });
    ShowLink();
}

void CHyperLink::SetURL(const QString& url)
{
    m_strURL = url;
    ShowLink();
}

void CHyperLink::ShowLink()
{
    setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(m_strURL.toHtmlEscaped(), m_strText.toHtmlEscaped()));
}

QColor CHyperLink::TextColor() const
{
    return palette().color(QPalette::Link);
}

void CHyperLink::enterEvent(QEnterEvent* event)
{
    if (m_nState != Hover) {
        m_nSavedState = m_nState;
        m_nState = Hover;
    }
    QLabel::enterEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event)
{
    if (m_nState == Hover)
        m_nState = m_nSavedState;
    QLabel::leaveEvent(event);
}

bool CHyperLink::OpenURL()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened = m_prompts.OpenUrl(QUrl(m_strURL));
    QGuiApplication::restoreOverrideCursor();
    if (!opened)
        return false;
    if (m_nState == Hover)
        m_nSavedState = Visited;
    else
        m_nState = Visited;
    return true;
}
