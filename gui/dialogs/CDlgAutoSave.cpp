// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgAutoSave.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

CDlgAutoSave::CDlgAutoSave(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("AutoSave"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Write a recovery copy of unsaved changes at most every "
                                "(seconds, 0 = never):"),
                             this);
    label->setWordWrap(true);
    m_pSeconds = new QSpinBox(this);
    m_pSeconds->setObjectName(QStringLiteral("seconds"));
    m_pSeconds->setRange(0, kMaxSeconds);
    m_pSeconds->setSpecialValueText(tr("0 (off)"));
    label->setBuddy(m_pSeconds);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(m_pSeconds);
    layout->addWidget(buttons);
}

void CDlgAutoSave::SetSeconds(int seconds)
{
    m_pSeconds->setValue(seconds);
}

int CDlgAutoSave::Seconds() const
{
    return m_pSeconds->value();
}
