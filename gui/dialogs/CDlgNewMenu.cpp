// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgNewMenu.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "CTemplateList.h"
#include "editor/IUserPrompts.h"
#include "gui/preview/CTemplatePictures.h"

CDlgNewMenu::CDlgNewMenu(const CEditorContext& context, QWidget* parent) : QDialog(parent), m_prompts(context.prompts)
{
    setWindowTitle(tr("New Tavelina"));
    setProperty("helpContext", kHelpContext);
    m_pList = new CTemplateList(context, this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CDlgNewMenu::OnOK);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, &CDlgNewMenu::OnOK);
    // Cancel (and Escape) keep the project that is open.
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setText(tr("Cancel"));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    auto* listLabel = new QLabel(tr("Templates List:"), this);
    listLabel->setBuddy(m_pList);
    m_pList->setAccessibleName(tr("Templates List"));
    layout->addWidget(listLabel);
    layout->addWidget(m_pList, 1);
    layout->addWidget(buttons);
    resize(300, 420);

    m_pList->Fill();
    m_nSelected = 0;
    m_pList->SelectRow(0);
    m_pPictures = new CTemplatePictures(context, CTemplatePictures::DefaultFolder(), this);
    connect(m_pPictures, &CTemplatePictures::Pictured, m_pList, &CTemplateList::SetPicture);
    // After the dialog is up: a picture drawn while it shows is added then.
    QTimer::singleShot(0, m_pPictures, &CTemplatePictures::Start);
}

void CDlgNewMenu::OnOK()
{
    const QList<QListWidgetItem*> selected = m_pList->selectedItems();
    if (selected.isEmpty()) {
        m_prompts.Message(this, tr(kNoSelection));
        return;
    }
    m_nSelected = m_pList->row(selected.first());
    accept();
}
