// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgRecoverCopies.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CDlgRecoverCopies::CDlgRecoverCopies(const QString& text, const QStringList& rows, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Recover Unsaved Changes"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    m_pList = new QListWidget(this);
    m_pList->setObjectName(QStringLiteral("copies"));
    m_pList->addItems(rows);
    // Uniform rows keep a list of thousands quick to show and scroll.
    m_pList->setUniformItemSizes(true);
    m_pList->setCurrentRow(static_cast<int>(rows.size()) - 1);  // the newest
    label->setBuddy(m_pList);
    // A list reports no label to a screen reader: it carries a name of its own.
    m_pList->setAccessibleName(tr("Recovery copies"));
    auto* buttons = new QDialogButtonBox(this);
    m_pRecover = buttons->addButton(tr("&Recover"), QDialogButtonBox::AcceptRole);
    QPushButton* recoverAll = buttons->addButton(tr("Recover &All..."), QDialogButtonBox::ActionRole);
    m_pDiscardAll = buttons->addButton(tr("&Discard All"), QDialogButtonBox::DestructiveRole);
    QPushButton* later = buttons->addButton(tr("&Later"), QDialogButtonBox::RejectRole);
    m_pRecover->setDefault(true);
    connect(m_pRecover, &QPushButton::clicked, this, [this] { Finish(IUserPrompts::RecoverAnswer::Recover); });
    connect(recoverAll, &QPushButton::clicked, this, [this] { Finish(IUserPrompts::RecoverAnswer::RecoverAll); });
    connect(m_pDiscardAll, &QPushButton::clicked, this, [this] { Finish(IUserPrompts::RecoverAnswer::Discard); });
    connect(later, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this] { Finish(IUserPrompts::RecoverAnswer::Recover); });
    connect(m_pList, &QListWidget::currentRowChanged, this, [this](int row) { m_pRecover->setEnabled(row >= 0); });
    m_pRecover->setEnabled(m_pList->currentRow() >= 0);
    layout->addWidget(label);
    layout->addWidget(m_pList);
    layout->addWidget(buttons);
    resize(560, 360);
}

void CDlgRecoverCopies::Finish(IUserPrompts::RecoverAnswer answer)
{
    const int row = m_pList->currentRow();
    if (answer == IUserPrompts::RecoverAnswer::Recover && row < 0)
        return;
    m_answer = {answer, answer == IUserPrompts::RecoverAnswer::Recover ? row : -1};
    accept();
}
