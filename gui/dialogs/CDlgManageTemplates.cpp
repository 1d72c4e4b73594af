// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgManageTemplates.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "CTemplateList.h"
#include "core/templates/CTemplateStore.h"
#include "editor/CText.h"
#include "editor/IUserPrompts.h"

CDlgManageTemplates::CDlgManageTemplates(const CEditorContext& context, QWidget* parent)
    : QDialog(parent), m_prompts(context.prompts)
{
    setWindowTitle(tr("Manage Templates"));
    setProperty("helpContext", kHelpContext);
    m_pName = new QLineEdit(this);
    m_pName->setObjectName(QStringLiteral("edtName"));
    m_pList = new CTemplateList(context, this);
    auto* ok = AddButton(tr("OK"), "btnOk");
    ok->setDefault(true);
    auto* rename = AddButton(tr("Rename"), "btnRename");
    auto* remove = AddButton(tr("Delete"), "btnDelete");
    m_pMoveUp = AddButton(tr("Move Up"), "btnMoveUp");
    m_pMoveDown = AddButton(tr("Move Down"), "btnMoveDown");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(rename, &QPushButton::clicked, this, &CDlgManageTemplates::OnRename);
    connect(remove, &QPushButton::clicked, this, &CDlgManageTemplates::OnDelete);
    connect(m_pMoveUp, &QPushButton::clicked, this, &CDlgManageTemplates::OnMoveUp);
    connect(m_pMoveDown, &QPushButton::clicked, this, &CDlgManageTemplates::OnMoveDown);
    connect(m_pList, &QListWidget::currentRowChanged, this, &CDlgManageTemplates::OnSelectionChanged);
    // Enter in the name box renames; it does not reach the default button.
    m_pName->installEventFilter(this);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {ok, rename, remove, m_pMoveUp, m_pMoveDown})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto* layout = new QGridLayout(this);
    auto* nameLabel = new QLabel(tr("Template Name:"), this);
    nameLabel->setBuddy(m_pName);
    auto* listLabel = new QLabel(tr("Templates List:"), this);
    listLabel->setBuddy(m_pList);
    m_pList->setAccessibleName(tr("Templates List"));
    layout->addWidget(nameLabel, 0, 0);
    layout->addWidget(m_pName, 1, 0);
    layout->addWidget(listLabel, 2, 0);
    layout->addWidget(m_pList, 3, 0);
    layout->addLayout(buttons, 1, 1, 3, 1);
    layout->setRowStretch(3, 1);
    resize(380, 360);

    Refill();
    m_nSelected = 0;
    m_strTemplateName = m_pList->NameAt(0);
    ShowMembers();
    ApplyButtonRule();
}

bool CDlgManageTemplates::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OnRename();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QPushButton* CDlgManageTemplates::AddButton(const QString& text, const char* name)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

void CDlgManageTemplates::Refill()
{
    // Emptying the list is no choice of the user's.
    const QSignalBlocker block(m_pList);
    m_pList->Fill();
}

void CDlgManageTemplates::TakeControls()
{
    m_nSelected = m_pList->currentRow();
    m_strTemplateName = m_pName->text();
}

void CDlgManageTemplates::ShowMembers()
{
    const QSignalBlocker block(m_pList);
    m_pList->SelectRow(m_nSelected);
    m_pName->setText(m_strTemplateName);
}

void CDlgManageTemplates::ApplyButtonRule()
{
    m_pMoveUp->setEnabled(m_nSelected > 0);
    m_pMoveDown->setEnabled(m_nSelected >= 0 && m_nSelected + 1 < m_pList->count());
}

void CDlgManageTemplates::OnSelectionChanged()
{
    const int row = m_pList->currentRow();
    if (row != m_nSelected) {
        m_nSelected = row;
        m_strTemplateName = m_pList->NameAt(row);
        ShowMembers();
    }
    ApplyButtonRule();
}

QString CDlgManageTemplates::SelectedName()
{
    QString name = m_pList->NameAt(m_nSelected);
    if (name.isEmpty())
        m_prompts.Message(this, tr(kSelectFirst));
    return name;
}

void CDlgManageTemplates::ReportFailure(bool done, const std::string& error)
{
    if (!done && !error.empty())
        m_prompts.Message(this, CText::ToQ(error));
}

void CDlgManageTemplates::OnDelete()
{
    TakeControls();
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    if (!m_prompts.Confirm(this, tr("Are you sure to delete \"%1\" template?").arg(name)))
        return;
    CTemplateStore store = m_pList->Store();
    ReportFailure(store.DeleteTemplate(CText::FromQ(name)), store.LastError());
    Refill();
    if (m_nSelected >= m_pList->count())
        m_nSelected = m_pList->count() - 1;
    m_strTemplateName = m_pList->NameAt(m_nSelected);
    ApplyButtonRule();
    ShowMembers();
}

void CDlgManageTemplates::OnRename()
{
    TakeControls();
    const QString oldName = SelectedName();
    if (oldName.isEmpty())
        return;
    const QString newName = m_strTemplateName.trimmed();
    std::vector<std::string> listed;
    for (const QString& entry : m_pList->Names())
        listed.push_back(CText::FromQ(entry));
    if (newName.isEmpty() || CTemplateStore::BeginsListedName(listed, CText::FromQ(newName))) {
        m_prompts.Message(this, tr(kGiveNewName));
        return;
    }
    if (!CTemplateStore::IsStorableName(CText::FromQ(newName))) {
        m_prompts.Message(this, QString::fromLatin1(CTemplateStore::kBadName));
        return;
    }
    const QString question = tr("Are you sure to rename \"%1\" template to \"%2\"?").arg(oldName, newName);
    if (!m_prompts.Confirm(this, question))
        return;
    CTemplateStore store = m_pList->Store();
    ReportFailure(store.RenameTemplate(CText::FromQ(oldName), CText::FromQ(newName)), store.LastError());
    // Refilled after a failed file step as well: the list shows what is stored.
    Refill();
    m_strTemplateName = m_pList->NameAt(m_nSelected);
    ShowMembers();
    ApplyButtonRule();
}

void CDlgManageTemplates::Move(bool up)
{
    TakeControls();
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    CTemplateStore store = m_pList->Store();
    const bool moved = store.MoveTemplate(CText::FromQ(name), m_nSelected, up);
    ReportFailure(moved, store.LastError());
    Refill();
    if (moved)
        m_nSelected += up ? -1 : 1;
    ApplyButtonRule();
    ShowMembers();
}

void CDlgManageTemplates::OnMoveUp()
{
    Move(true);
}

void CDlgManageTemplates::OnMoveDown()
{
    Move(false);
}
