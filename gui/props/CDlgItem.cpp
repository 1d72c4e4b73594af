// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgItem.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "CDlgAudio.h"
#include "CDlgImage.h"
#include "editor/CModelEditor.h"
#include "editor/CSelection.h"
#include "editor/CText.h"
#include "editor/IUserPrompts.h"

namespace {
QLineEdit* NamedEdit(QWidget* owner, const QString& name)
{
    auto* edit = new QLineEdit(owner);
    edit->setObjectName(name);
    return edit;
}

QPushButton* NamedButton(QWidget* owner, const QString& text, const QString& name)
{
    auto* button = new QPushButton(text, owner);
    button->setObjectName(name);
    return button;
}

QLabel* Note(QWidget* owner, const QString& text)
{
    auto* label = new QLabel(text, owner);
    label->setWordWrap(true);
    return label;
}
}  // namespace

CDlgItem::CDlgItem(const CEditorContext& context, QWidget* parent) : CBoundPage(context, tr("Item"), kDialogId, parent)
{
    Build();
    BindFields();
    Show(CItemFields());  // the page's start values until the first load
    FixPageSize();
}

void CDlgItem::Build()
{
    m_pLabel = new QPlainTextEdit(this);
    m_pLabel->setObjectName(QStringLiteral("Label"));
    m_pLabel->setTabChangesFocus(true);
    m_pLabel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pLabel->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pLabel->installEventFilter(this);
    m_pDescription = NamedEdit(this, QStringLiteral("Description"));
    m_pLink = NamedEdit(this, QStringLiteral("Link"));
    m_pTarget = new QComboBox(this);
    m_pTarget->setObjectName(QStringLiteral("Target"));
    m_pTarget->setEditable(true);
    m_pTarget->setInsertPolicy(QComboBox::NoInsert);
    m_pTarget->addItems({"_self", "_parent", "_top", "_blank"});
    auto* image = NamedButton(this, tr("Image..."), QStringLiteral("Image"));
    auto* audio = NamedButton(this, tr("Audio..."), QStringLiteral("Audio"));
    connect(image, &QPushButton::clicked, this, &CDlgItem::OnImage);
    connect(audio, &QPushButton::clicked, this, &CDlgItem::OnAudio);

    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(tr("Item Label:"), m_pLabel), 0, 0, Qt::AlignTop);
    grid->addWidget(m_pLabel, 0, 1, 2, 1);
    grid->addWidget(MakeLabel(tr("Description:"), m_pDescription), 2, 0);
    grid->addWidget(m_pDescription, 2, 1);
    grid->addWidget(MakeLabel(tr("Link to:"), m_pLink), 3, 0);
    grid->addWidget(m_pLink, 3, 1);
    grid->addWidget(MakeLabel(tr("Target Frame:"), m_pTarget), 4, 0);
    grid->addWidget(m_pTarget, 4, 1);
    grid->addWidget(Note(this, tr("You can specify the image to display for each states of the item:")), 0, 3);
    grid->addWidget(image, 1, 3, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(Note(this, tr("You can specify the audio to play for each states of the item:")), 2, 3, 2, 1,
                    Qt::AlignBottom);
    grid->addWidget(audio, 4, 3, Qt::AlignLeft);
    grid->setColumnMinimumWidth(2, 8);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);
    grid->setRowStretch(1, 1);

    SetTabOrder({m_pLabel, m_pDescription, m_pLink, m_pTarget, image, audio});
}

int CDlgItem::MatchTarget(const QStringList& entries, const QString& target)
{
    if (target.isEmpty())
        return -1;
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].startsWith(target, Qt::CaseInsensitive))
            return i;
    return -1;
}

// A non-empty target that begins a list entry shows as that whole entry.
void CDlgItem::BindFields()
{
    Bind(tr("Item Label"), m_pLabel, &CItemFields::m_strLabel);
    Bind(tr("Description"), m_pDescription, &CItemFields::m_strDescription);
    Bind(tr("Link to"), m_pLink, &CItemFields::m_strLink);
    QComboBox* combo = m_pTarget;
    auto show = [combo](const CSharedText& value) {
        QStringList entries;
        for (int i = 0; i < combo->count(); ++i)
            entries << combo->itemText(i);
        const QString target = CText::ToQ(value);
        const int match = MatchTarget(entries, target);
        combo->setCurrentIndex(match);
        if (match < 0)
            combo->setEditText(target);
    };
    auto read = [combo](CSharedText& value) {
        value = CText::FromQ(combo->currentText());
        return true;
    };
    Bind(tr("Target Frame"), combo, &CItemFields::m_strTarget, show, read);
}

void CDlgItem::LoadFromModel()
{
    if (!Source())
        Show(CItemFields());
    CBoundPage::LoadFromModel();
}

const CItemFields* CDlgItem::Source() const
{
    return Ctx().selection.Item();
}

void CDlgItem::Commit(const CItemFields& edited, const QString& name, const QString& field)
{
    Ctx().editor.SetItemFields(Ctx().selection.Item(), edited, name, field);
}

// The label goes into the model as soon as its box loses the focus (the tree
// renames the node from the editor's notice). A box that loses the focus
// because its page is being hidden is stored by the page's own store.
bool CDlgItem::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pLabel && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason && isVisible())
        StoreBound(m_pLabel);
    return CPropertyPage::eventFilter(watched, event);
}

void CDlgItem::OnImage()
{
    CTavelinItem* item = Ctx().selection.Item();
    if (!item)
        return;
    CDlgImage dialog(Ctx().prompts, this);
    dialog.SetFile(CDlgImage::kNormal, item->m_strNormalImage);
    dialog.SetFile(CDlgImage::kOver, item->m_strOverImage);
    dialog.SetFile(CDlgImage::kClick, item->m_strClickImage);
    dialog.SetScope(CModelEditor::Scope::Item);
    if (Ctx().prompts.Exec(dialog) != QDialog::Accepted)
        return;
    Ctx().editor.ApplyImages(item, dialog.Scope(), dialog.File(CDlgImage::kNormal), dialog.File(CDlgImage::kOver),
                             dialog.File(CDlgImage::kClick));
}

void CDlgItem::OnAudio()
{
    CTavelinItem* item = Ctx().selection.Item();
    if (!item)
        return;
    CDlgAudio dialog(Ctx().prompts, this);
    dialog.SetFile(CDlgAudio::kOver, item->m_strOverAudio);
    dialog.SetFile(CDlgAudio::kClick, item->m_strClickAudio);
    dialog.SetScope(CModelEditor::Scope::Item);
    if (Ctx().prompts.Exec(dialog) != QDialog::Accepted)
        return;
    Ctx().editor.ApplyAudio(item, dialog.Scope(), dialog.File(CDlgAudio::kOver), dialog.File(CDlgAudio::kClick));
}
