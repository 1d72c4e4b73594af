// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CHyperLink.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QUrl>

#include "editor/IUserPrompts.h"

CHyperLink::CHyperLink(IUserPrompts& prompts, const QString& text, QWidget* parent)
    : QLabel(text, parent), m_prompts(prompts)
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(m_hLinkCursor);
    setTextInteractionFlags(Qt::NoTextInteraction);
    ApplyColor();
}

QColor CHyperLink::TextColor() const
{
    switch (m_nState) {
    case Hover: return m_crHover;
    case Visited: return m_crVisited;
    default: return m_crUnvisited;
    }
}

void CHyperLink::ApplyColor()
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, TextColor());
    setPalette(pal);
}

void CHyperLink::enterEvent(QEnterEvent* event)
{
    if (m_nState != Hover) {
        m_nSavedState = m_nState;
        m_nState = Hover;
        ApplyColor();
    }
    QLabel::enterEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event)
{
    if (m_nState == Hover) {
        m_nState = m_nSavedState;
        ApplyColor();
    }
    QLabel::leaveEvent(event);
}

void CHyperLink::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OpenURL();
    event->accept();
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
    ApplyColor();
    return true;
}
