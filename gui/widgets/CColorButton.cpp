// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CColorButton.h"

#include <QPainter>

#include "editor/IUserPrompts.h"

namespace {
constexpr int kSwatchInset = 5;
constexpr int kEdge = 2;
}  // namespace

CColorButton::CColorButton(IUserPrompts& prompts, QWidget* parent) : QPushButton(parent), m_prompts(prompts)
{
    setAutoDefault(false);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    SetColor(m_crColor);
}

QSize CColorButton::sizeHint() const
{
    const int height = fontMetrics().height() + 2 * (kSwatchInset + 2);
    return QSize(height * 2, height);
}

bool CColorButton::Choose()
{
    const auto chosen = m_prompts.ChooseColor(window(), ToQColor(m_crColor));
    if (!chosen)
        return false;
    SetColor(FromQColor(*chosen));
    emit ColorChosen();
    return true;
}

void CColorButton::SetColor(COLORREF color)
{
    m_crColor = color;
    // The swatch has no text: the colour is told in words and in hex.
    const QColor shown = ToQColor(color);
    setAccessibleDescription(tr("Red %1, green %2, blue %3 (%4)")
                                 .arg(shown.red())
                                 .arg(shown.green())
                                 .arg(shown.blue())
                                 .arg(shown.name(QColor::HexRgb).toUpper()));
    update();
}

QColor CColorButton::ToQColor(COLORREF color)
{
    return QColor(int(GetRValue(color)), int(GetGValue(color)), int(GetBValue(color)));
}

COLORREF CColorButton::FromQColor(const QColor& color)
{
    return RGB(unsigned(color.red()), unsigned(color.green()), unsigned(color.blue()));
}

// A disabled button draws nothing. Otherwise: the face, the swatch 5 pixels in
// from every side, 2-pixel edges (top and left white when up, black when
// pressed; right and bottom black) and, while focused, a dotted frame on the
// swatch's edge.
void CColorButton::paintEvent(QPaintEvent*)
{
    if (!isEnabled())
        return;
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, palette().color(QPalette::Button));
    const QRect swatch = r.adjusted(kSwatchInset, kSwatchInset, -kSwatchInset, -kSwatchInset);
    const QColor color = ToQColor(m_crColor);
    painter.fillRect(swatch, color);

    const QColor light = isDown() ? Qt::black : Qt::white;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), kEdge), light);
    painter.fillRect(QRect(r.left(), r.top(), kEdge, r.height()), light);
    painter.fillRect(QRect(r.right() - kEdge + 1, r.top(), kEdge, r.height()), Qt::black);
    painter.fillRect(QRect(r.left(), r.bottom() - kEdge + 1, r.width(), kEdge), Qt::black);

    if (hasFocus()) {
        // Dots in the contrasting shade stay visible on any swatch colour.
        painter.setPen(QPen(qGray(color.rgb()) < 128 ? Qt::white : Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    }
}
