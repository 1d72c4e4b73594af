// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgAnimateSpeed.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include "CPropertyPage.h"

CDlgAnimateSpeed::CDlgAnimateSpeed(int openSpeed, int closeSpeed, QWidget* parent)
    : QDialog(parent), m_nOpenSpeed(openSpeed), m_nCloseSpeed(closeSpeed)
{
    setWindowTitle(tr("Tavelin Animate Speed"));
    setProperty("helpContext", CPropertyPage::HelpContextOf(kDialogId));
    new QVBoxLayout(this);
    m_pOpen = AddSpeed(tr("Menu Open Speed"), QStringLiteral("OpenSpeed"), openSpeed);
    m_pClose = AddSpeed(tr("Menu Close Speed"), QStringLiteral("CloseSpeed"), closeSpeed);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout()->addWidget(buttons);
}

// A position outside 0..50 shows at the nearer end.
QSlider* CDlgAnimateSpeed::AddSpeed(const QString& title, const QString& name, int value)
{
    auto* group = new QGroupBox(title, this);
    auto* slider = new QSlider(Qt::Horizontal, group);
    slider->setObjectName(name);
    slider->setRange(0, 50);
    slider->setTickInterval(5);
    slider->setTickPosition(QSlider::TicksAbove);
    slider->setMinimumWidth(CPropertyPage::DialogUnits(font(), 150, 0).width());
    slider->setValue(value);
    auto* grid = new QGridLayout(group);
    grid->addWidget(slider, 0, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Fastest"), group), 1, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel(tr("Slowest"), group), 1, 1, Qt::AlignRight);
    layout()->addWidget(group);
    return slider;
}

void CDlgAnimateSpeed::accept()
{
    m_nOpenSpeed = m_pOpen->value();
    m_nCloseSpeed = m_pClose->value();
    QDialog::accept();
}
