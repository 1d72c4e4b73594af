// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CIntegerField.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "editor/IUserPrompts.h"

CIntegerField::CIntegerField(IUserPrompts& prompts, Kind kind, QWidget* parent)
    : QWidget(parent), m_prompts(prompts), m_pEdit(new QLineEdit(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pEdit);
    if (kind == Kind::DigitsOnly) {
        static const QRegularExpression digits(QStringLiteral("[0-9]*"));
        m_pEdit->setValidator(new QRegularExpressionValidator(digits, m_pEdit));
    }
    m_pEdit->setMaximumWidth(m_pEdit->fontMetrics().horizontalAdvance(QStringLiteral("-0000000")) + 12);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusProxy(m_pEdit);
    setFocusPolicy(m_pEdit->focusPolicy());
}

void CIntegerField::SetSpinRange(int min, int max)
{
    m_nMin = min;
    m_nMax = max;
    if (m_pUp)
        return;
    auto* arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    const int height = m_pEdit->sizeHint().height();
    for (auto [button, arrow, delta] : {std::tuple{&m_pUp, Qt::UpArrow, 1}, std::tuple{&m_pDown, Qt::DownArrow, -1}}) {
        *button = new QToolButton(this);
        (*button)->setArrowType(arrow);
        (*button)->setAutoRepeat(true);
        (*button)->setFocusPolicy(Qt::NoFocus);
        (*button)->setFixedSize(height * 3 / 4, height / 2);
        connect(*button, &QToolButton::clicked, this, [this, delta = delta] { Step(delta); });
        arrows->addWidget(*button);
    }
    static_cast<QHBoxLayout*>(layout())->addLayout(arrows);
    m_pEdit->installEventFilter(this);
}

void CIntegerField::SetValue(int value)
{
    m_pEdit->setText(QString::number(value));
}

QString CIntegerField::Text() const
{
    return m_pEdit->text();
}

void CIntegerField::SetText(const QString& text)
{
    m_pEdit->setText(text);
}

// An arrow starts from the typed value (or from the range's near end when the
// box holds no integer) and stops at the range's ends.
void CIntegerField::Step(int delta)
{
    const std::optional<int> current = Parse(Text());
    const long long start = current ? *current : std::clamp(0, m_nMin, m_nMax);
    const long long next = current ? start + delta : start;
    SetValue(int(std::clamp<long long>(next, m_nMin, m_nMax)));
}

std::optional<int> CIntegerField::Parse(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[ \\t]*([+-]?[0-9]+)[ \\t]*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QString number = match.captured(1);
    if (number.startsWith(QLatin1Char('+')))
        number.remove(0, 1);
    bool ok = false;
    const long long value = number.toLongLong(&ok);
    if (!ok || value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return int(value);
}

bool CIntegerField::Read(int& value) const
{
    const std::optional<int> parsed = Parse(Text());
    if (!parsed)
        return Refuse(tr("Please enter an integer."));
    value = *parsed;
    return true;
}

bool CIntegerField::Read(int& value, int min, int max) const
{
    const std::optional<int> parsed = Parse(Text());
    if (!parsed)
        return Refuse(tr("Please enter an integer."));
    if (*parsed < min || *parsed > max)
        return Refuse(tr("Please enter an integer between %1 and %2.").arg(min).arg(max));
    value = *parsed;
    return true;
}

// One message per refusal. The box takes the focus before its message: the
// box that had it (an applet name, stored when it loses the focus) is left
// now, inside this refusal, and the store that this sets off is refused
// without a message of its own; closing the message brings the focus back
// here, not to that box.
bool CIntegerField::Refuse(const QString& message) const
{
    const bool first = !s_bRefusing;
    s_bRefusing = true;
    m_pEdit->setFocus(Qt::OtherFocusReason);
    m_pEdit->selectAll();
    if (first) {
        m_prompts.Message(window(), message);
        s_bRefusing = false;
        m_pEdit->setFocus(Qt::OtherFocusReason);
    }
    return false;
}

bool CIntegerField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
