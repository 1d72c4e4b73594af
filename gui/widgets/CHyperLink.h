// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QCursor>
#include <QLabel>

class IUserPrompts;

// A text that looks and acts like a web link: underlined, blue, red while
// the pointer is over it; a click opens m_strURL through the prompts'
// OpenUrl. A successful open makes the link visited (its colour equals the
// unvisited one); a failed open changes nothing and shows nothing.
class CHyperLink : public QLabel {
    Q_OBJECT
public:
    enum State { Unvisited = 0, Visited = 1, Hover = 2 };

    CHyperLink(IUserPrompts& prompts, const QString& text, QWidget* parent = nullptr);

    void SetURL(const QString& url) { m_strURL = url; }
    QString URL() const { return m_strURL; }
    bool OpenURL();
    int State() const { return m_nState; }
    QColor TextColor() const;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    IUserPrompts& m_prompts;
    void ApplyColor();

    QString m_strURL;
    QColor m_crUnvisited{0, 0, 255};
    QColor m_crVisited{0, 0, 255};
    QColor m_crHover{255, 0, 0};
    QCursor m_hLinkCursor{Qt::ArrowCursor};
    int m_nState = Unvisited;
    int m_nSavedState = Unvisited;
};
