// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgBackgroundStyle.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "CPropertyPage.h"

CDlgBackgroundStyle::CDlgBackgroundStyle(int border, int backStyle, int gradientDir, QWidget* parent)
    : QDialog(parent), m_nBorder(border), m_nBackStyle(backStyle), m_nGradientDir(gradientDir)
{
    setWindowTitle(tr("Appelt Background Style"));
    setProperty("helpContext", CPropertyPage::HelpContextOf(kDialogId));
    auto* layout = new QVBoxLayout(this);
    m_pBackStyle = CPropertyPage::MakeList(this, QStringLiteral("BackStyle"),
                                           {tr("Filled with Color"), tr("Vertical Gradient from Black to Color"),
                                            tr("Vertical Gradient from White to Color"),
                                            tr("Vertical Gradient from Color to Black"),
                                            tr("Vertical Gradient from Color to White")});
    auto* row = new QHBoxLayout;
    row->addWidget(CPropertyPage::MakeLabel(tr("Applet's Background Style:"), m_pBackStyle));
    row->addWidget(m_pBackStyle, 1);
    layout->addLayout(row);
    layout->addWidget(CPropertyPage::MakeRadioBox(this, tr("Gradient Direction"),
                                                  {tr("Single Direction"), tr("Bi-direction")}, m_pGradientDir));
    layout->addWidget(
        CPropertyPage::MakeRadioBox(this, tr("Border"), {tr("Plain"), tr("Raised"), tr("Sunken")}, m_pBorder));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    CPropertyPage::SetChoice(m_pBackStyle, backStyle);
    CPropertyPage::SetChoice(m_pGradientDir, gradientDir);
    CPropertyPage::SetChoice(m_pBorder, border);
}

void CDlgBackgroundStyle::accept()
{
    m_nBackStyle = CPropertyPage::Choice(m_pBackStyle);
    m_nGradientDir = CPropertyPage::Choice(m_pGradientDir);
    m_nBorder = CPropertyPage::Choice(m_pBorder);
    QDialog::accept();
}
