// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CPropertyPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <utility>

#include "gui/widgets/CColorButton.h"
#include "gui/widgets/CIntegerField.h"

CPropertyPage::CPropertyPage(const CEditorContext& context, const QString& title, int dialogId, QWidget* parent)
    : QWidget(parent), m_ctx(context), m_strTitle(title), m_pEditTimer(new QTimer(this))
{
    setProperty("helpContext", HelpContextOf(dialogId));
    m_pEditTimer->setSingleShot(true);
    connect(m_pEditTimer, &QTimer::timeout, this, &CPropertyPage::ApplyPendingEdit);
}

void CPropertyPage::ApplyEdit(const QObject*, bool)
{
}

// Typing waits for its pause; a pick goes in at the next turn of the event
// loop. An edit of another control first gives the waiting one to the model,
// so that no edit is lost and each field keeps its own step.
void CPropertyPage::WatchEdits(QObject* control)
{
    auto typed = [this, control] { OnEdited(control, kTypingPauseMs); };
    auto picked = [this, control] { OnEdited(control, 0); };
    if (auto* field = qobject_cast<CIntegerField*>(control)) {
        connect(field->Edit(), &QLineEdit::textChanged, this, typed);
        field->Edit()->installEventFilter(this);
    } else if (auto* color = qobject_cast<CColorButton*>(control)) {
        connect(color, &CColorButton::ColorChosen, this, picked);
    } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
        connect(line, &QLineEdit::textChanged, this, typed);
        line->installEventFilter(this);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
        connect(text, &QPlainTextEdit::textChanged, this, typed);
        text->installEventFilter(this);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        connect(combo, &QComboBox::currentIndexChanged, this, picked);
        if (combo->isEditable()) {
            connect(combo, &QComboBox::editTextChanged, this, typed);
            combo->installEventFilter(this);
        }
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        connect(check, &QCheckBox::toggled, this, picked);
    } else if (auto* group = qobject_cast<QButtonGroup*>(control)) {
        connect(group, &QButtonGroup::idToggled, this, [picked](int, bool on) {
            if (on)
                picked();
        });
    }
}

void CPropertyPage::OnEdited(const QObject* control, int delayMs)
{
    if (m_nLoading > 0)
        return;
    if (m_pPending && m_pPending != control)
        ApplyPendingEdit();
    m_pPending = control;
    m_pPendingTarget = EditTarget();
    m_pEditTimer->start(delayMs);
}

// An edit made for another object than the one the page now shows (the
// selection moved on without a store) is dropped.
void CPropertyPage::ApplyPendingEdit()
{
    m_pEditTimer->stop();
    const QObject* control = std::exchange(m_pPending, nullptr);
    if (control && m_pPendingTarget == EditTarget())
        ApplyEdit(control, false);
}

void CPropertyPage::DropPendingEdit()
{
    m_pEditTimer->stop();
    m_pPending = nullptr;
}

// Leaving a control gives its waiting edit to the model at once. A number box
// left with a wrong value says so once the focus has settled elsewhere: not
// when the focus came back to it (a refusal of the page's store put it
// there), nor while a dialog is up or the page is hidden.
bool CPropertyPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
        m_nLoading == 0) {
        if (m_pPending && (m_pPending == watched || m_pPending == watched->parent()))
            ApplyPendingEdit();
        if (auto* field = qobject_cast<CIntegerField*>(watched->parent()); field && field->Edit() == watched) {
            QPointer<CIntegerField> left(field);
            QTimer::singleShot(0, this, [this, left] {
                if (left)
                    OnNumberLeft(left);
            });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CPropertyPage::OnNumberLeft(CIntegerField* field)
{
    if (!isVisible() || field->Edit()->hasFocus() || QApplication::activeModalWidget())
        return;
    ApplyPendingEdit();
    ApplyEdit(field, true);
}

void CPropertyPage::FocusRefused()
{
    if (m_pRefused)
        m_pRefused->Edit()->setFocus(Qt::OtherFocusReason);
}

QSize CPropertyPage::sizeHint() const
{
    return minimumSize() == maximumSize() ? minimumSize() : QWidget::sizeHint();
}

QSize CPropertyPage::DialogUnits(const QFont& font, int width, int height)
{
    const QFontMetrics metrics(font);
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int charWidth = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    return QSize(width * charWidth / 4, height * metrics.height() / 8);
}

void CPropertyPage::SetChoice(QButtonGroup* group, int value)
{
    if (QAbstractButton* button = group->button(value)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

int CPropertyPage::Choice(const QButtonGroup* group)
{
    return group->checkedId();
}

void CPropertyPage::SetChoice(QComboBox* combo, int value)
{
    combo->setCurrentIndex(value >= 0 && value < combo->count() ? value : -1);
}

int CPropertyPage::Choice(const QComboBox* combo)
{
    return combo->currentIndex();
}

void CPropertyPage::SetTabOrder(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void CPropertyPage::FixPageSize()
{
    const QSize area = DialogUnits(font(), kPageWidthDlu, kPageHeightDlu);
    setFixedSize(area.expandedTo(minimumSizeHint()));
}

bool CPropertyPage::ReadInt(CIntegerField* field, int& value)
{
    m_pRefused = field;
    return field->Read(value);
}

bool CPropertyPage::ReadInt(CIntegerField* field, int& value, int min, int max)
{
    m_pRefused = field;
    return field->Read(value, min, max);
}

QButtonGroup* CPropertyPage::MakeRadioGroup(QWidget* owner, std::initializer_list<QAbstractButton*> buttons)
{
    auto* group = new QButtonGroup(owner);
    int id = 0;
    for (QAbstractButton* button : buttons)
        group->addButton(button, id++);
    return group;
}

QComboBox* CPropertyPage::MakeList(QWidget* owner, const QString& name, const QStringList& entries)
{
    auto* combo = new QComboBox(owner);
    combo->setObjectName(name);
    combo->addItems(entries);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QLabel* CPropertyPage::MakeLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    // A compound control (a number box) takes the focus in a part of it,
    // which a screen reader names by itself: the label's words go there.
    if (QWidget* part = buddy->focusProxy(); part && part->accessibleName().isEmpty())
        part->setAccessibleName(
            QString(text).remove(QLatin1Char('&')).remove(QRegularExpression(QStringLiteral(":\\s*$"))));
    return label;
}

QGroupBox* CPropertyPage::MakeRadioBox(QWidget* owner, const QString& title, const QStringList& texts,
                                       QButtonGroup*& group, Qt::Orientation orientation)
{
    auto* box = new QGroupBox(title, owner);
    box->setObjectName(title);
    auto* layout =
        new QBoxLayout(orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, box);
    group = new QButtonGroup(owner);
    for (const QString& text : texts) {
        auto* radio = new QRadioButton(text, box);
        group->addButton(radio, int(group->buttons().size()));
        layout->addWidget(radio);
    }
    return box;
}
