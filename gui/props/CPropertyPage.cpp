// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CPropertyPage.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "gui/widgets/CIntegerField.h"

CPropertyPage::CPropertyPage(const CEditorContext& context, const QString& title, int dialogId, QWidget* parent)
    : QWidget(parent), m_ctx(context), m_strTitle(title)
{
    setProperty("helpContext", HelpContextOf(dialogId));
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
