// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgSaveTemplate.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "CTemplateList.h"
#include "core/templates/CTemplateStore.h"
#include "editor/CText.h"
#include "editor/IUserPrompts.h"

CDlgSaveTemplate::CDlgSaveTemplate(const CEditorContext& context, QWidget* parent)
    : QDialog(parent), m_prompts(context.prompts)
{
    setWindowTitle(tr("Save As Template"));
    setProperty("helpContext", kHelpContext);
    m_pName = new QLineEdit(this);
    m_pName->setObjectName(QStringLiteral("edtName"));
    m_pList = new CTemplateList(context, this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(ok, &QPushButton::clicked, this, &CDlgSaveTemplate::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    auto* nameLabel = new QLabel(tr("New Template Name:"), this);
    nameLabel->setBuddy(m_pName);
    auto* positionLabel = new QLabel(tr("Insert At Position:"), this);
    positionLabel->setBuddy(m_pList);
    m_pList->setAccessibleName(tr("Insert At Position"));
    layout->addWidget(nameLabel, 0, 0);
    layout->addWidget(m_pName, 1, 0);
    layout->addWidget(positionLabel, 2, 0);
    layout->addWidget(m_pList, 3, 0);
    layout->addWidget(ok, 1, 1, Qt::AlignTop);
    layout->addWidget(cancel, 2, 1, Qt::AlignTop);
    layout->setRowStretch(3, 1);
    resize(360, 340);

    m_pList->Fill();
    m_nSelected = 0;
    m_pList->SelectRow(0);
    m_pName->setFocus();
}

QString CDlgSaveTemplate::Refusal(const QString& name) const
{
    if (name.isEmpty())
        return QString::fromLatin1(CTemplateStore::kEmptyName);
    const std::string text = CText::FromQ(name);
    if (!CTemplateStore::IsStorableName(text))
        return QString::fromLatin1(CTemplateStore::kBadName);
    std::vector<std::string> listed;
    for (const QString& entry : m_pList->Names())
        listed.push_back(CText::FromQ(entry));
    if (CTemplateStore::BeginsListedName(listed, text))
        return tr(kNameExists);
    return QString();
}

void CDlgSaveTemplate::OnOK()
{
    // Spaces around the name are no part of it.
    m_strTemplateName = m_pName->text().trimmed();
    const QString refusal = Refusal(m_strTemplateName);
    if (!refusal.isEmpty()) {
        m_prompts.Message(this, refusal);
        m_pName->setFocus();
        return;
    }
    m_nSelected = qMax(0, m_pList->currentRow());
    accept();
}
