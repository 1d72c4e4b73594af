// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

#include "core/model/Color.h"

class IUserPrompts;

// A push button that shows one colour as a swatch. The owning page or dialog
// sets m_crColor from the model, reads it back when it stores, and calls
// Choose when the button is clicked.
class CColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit CColorButton(IUserPrompts& prompts, QWidget* parent = nullptr);

    // The colour dialog (full, any colour) starting at m_crColor; OK keeps the
    // chosen colour, repaints and tells ColorChosen, Cancel changes nothing.
    // True on OK.
    bool Choose();
    void SetColor(COLORREF color);

    static QColor ToQColor(COLORREF color);
    static COLORREF FromQColor(const QColor& color);
    QSize sizeHint() const override;

    COLORREF m_crColor = 0;

signals:
    void ColorChosen();

private:
    IUserPrompts& m_prompts;

protected:
    void paintEvent(QPaintEvent* event) override;
};
