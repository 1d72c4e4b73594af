// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgFind.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

CDlgFind::CDlgFind(const QString& text, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Find"));
    setObjectName(QStringLiteral("DlgFind"));
    m_pEdit = new QLineEdit(text, this);
    m_pEdit->setObjectName(QStringLiteral("edtFind"));
    m_pEdit->selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Find Next"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Fi&nd what:"), m_pEdit);
    layout->addRow(buttons);
}

QString CDlgFind::Text() const
{
    return m_pEdit->text();
}
