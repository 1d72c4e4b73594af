// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgFont.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "CPropertyPage.h"
#include "core/model/CItemStyle.h"
#include "gui/widgets/CColorButton.h"
#include "gui/widgets/CIntegerField.h"

CDlgFont::CDlgFont(IUserPrompts& prompts, const CItemStyle& style, QWidget* parent)
    : QDialog(parent), m_nFontName(style.m_nFontName), m_crFont(style.m_crFont), m_nFontSize(style.m_nFontSize),
      m_nFontEffect(style.m_nFontEffect), m_nFontStyle(style.m_nFontStyle)
{
    setWindowTitle(tr("Font"));
    setProperty("helpContext", CPropertyPage::HelpContextOf(kDialogId));
    Build(prompts);
    CPropertyPage::SetChoice(m_pFontName, m_nFontName);
    m_pFontColor->SetColor(m_crFont);
    m_pFontSize->SetValue(m_nFontSize);
    CPropertyPage::SetChoice(m_pFontEffect, m_nFontEffect);
    CPropertyPage::SetChoice(m_pFontStyle, m_nFontStyle);
}

void CDlgFont::Build(IUserPrompts& prompts)
{
    m_pFontName = CPropertyPage::MakeList(this, QStringLiteral("FontName"), {"TimesRoman", "Helvetica", "Courier"});
    m_pFontColor = new CColorButton(prompts, this);
    m_pFontColor->setObjectName(QStringLiteral("FontColor"));
    m_pFontColor->setAccessibleName(tr("Font color"));
    connect(m_pFontColor, &QPushButton::clicked, m_pFontColor, &CColorButton::Choose);
    m_pFontSize = new CIntegerField(prompts, CIntegerField::Kind::DigitsOnly, this);
    m_pFontSize->setObjectName(QStringLiteral("FontSize"));
    m_pFontSize->SetSpinRange(0, 5000);
    m_pFontEffect =
        CPropertyPage::MakeList(this, QStringLiteral("SpecialEffects"),
                                {tr("Normal"), tr("Outline"), tr("Sunken"), tr("Bulge"), tr("With Shadow")});
    QGroupBox* style = CPropertyPage::MakeRadioBox(this, tr("Font Style"), {tr("Plain"), tr("Bold"), tr("Italic")},
                                                   m_pFontStyle, Qt::Vertical);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(CPropertyPage::MakeLabel(tr("Font Name:"), m_pFontName), 0, 0);
    grid->addWidget(m_pFontName, 0, 1);
    grid->addWidget(CPropertyPage::MakeLabel(tr("Font Color:"), m_pFontColor), 1, 0);
    grid->addWidget(m_pFontColor, 1, 1);
    grid->addWidget(CPropertyPage::MakeLabel(tr("Font Size:"), m_pFontSize), 2, 0);
    grid->addWidget(m_pFontSize, 2, 1);
    grid->addWidget(CPropertyPage::MakeLabel(tr("Special Effects:"), m_pFontEffect), 3, 0);
    grid->addWidget(m_pFontEffect, 3, 1);
    grid->addWidget(style, 0, 2, 4, 1);
    grid->addWidget(buttons, 0, 3, 4, 1);
    const QList<QAbstractButton*> styles = m_pFontStyle->buttons();
    CPropertyPage::SetTabOrder(
        {m_pFontName, m_pFontColor, m_pFontSize->Edit(), m_pFontEffect, styles[0], styles[1], styles[2]});
}

void CDlgFont::accept()
{
    int size = 0;
    if (!m_pFontSize->Read(size))
        return;
    m_nFontName = CPropertyPage::Choice(m_pFontName);
    m_crFont = m_pFontColor->m_crColor;
    m_nFontSize = size;
    m_nFontEffect = CPropertyPage::Choice(m_pFontEffect);
    m_nFontStyle = CPropertyPage::Choice(m_pFontStyle);
    QDialog::accept();
}

void CDlgFont::CopyTo(CItemStyle& style) const
{
    style.m_nFontName = m_nFontName;
    style.m_crFont = m_crFont;
    style.m_nFontSize = m_nFontSize;
    style.m_nFontEffect = m_nFontEffect;
    style.m_nFontStyle = m_nFontStyle;
}
