// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QLabel>

class IUserPrompts;

// A text that looks and acts like a web link: underlined, in the palette's
// link colour (readable on light and dark windows alike). A click, or Enter
// once Tab has reached it, opens m_strURL through the prompts' OpenUrl. A
// successful open makes the link visited; a failed open changes nothing and
// shows nothing. The state follows the pointer: hover while it is over the
// link, back to the state before when it leaves.
class CHyperLink : public QLabel {
    Q_OBJECT
public:
    enum State { Unvisited = 0, Visited = 1, Hover = 2 };

    CHyperLink(IUserPrompts& prompts, const QString& text, QWidget* parent = nullptr);
    void SetURL(const QString& url);
    QString URL() const { return m_strURL; }
    bool OpenURL();
    int State() const { return m_nState; }
    QColor TextColor() const;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    IUserPrompts& m_prompts;
    void ShowLink();

    QString m_strText;
    QString m_strURL;
    int m_nState = Unvisited;
    int m_nSavedState = Unvisited;
};
