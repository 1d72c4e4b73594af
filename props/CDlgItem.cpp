#include "CDlgItem.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <tuple>

#include "CDlgAudio.h"
#include "CDlgImage.h"
#include "editor/CSelection.h"
#include "editor/CModelEditor.h"
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
}

CDlgItem::CDlgItem(const CEditorContext& context, QWidget* parent) : CPropertyPage(context, QStringLiteral("Item"), kDialogId, parent)
{
    Build();
    DataToControls();   // the page's start values until the first load
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
    auto* image = NamedButton(this, QStringLiteral("Image..."), QStringLiteral("Image"));
    auto* audio = NamedButton(this, QStringLiteral("Audio..."), QStringLiteral("Audio"));
    connect(image, &QPushButton::clicked, this, &CDlgItem::OnImage);
    connect(audio, &QPushButton::clicked, this, &CDlgItem::OnAudio);

    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(QStringLiteral("Item Label:"), m_pLabel), 0, 0, Qt::AlignTop);
    grid->addWidget(m_pLabel, 0, 1, 2, 1);
    grid->addWidget(MakeLabel(QStringLiteral("Description:"), m_pDescription), 2, 0);
    grid->addWidget(m_pDescription, 2, 1);
    grid->addWidget(MakeLabel(QStringLiteral("Link to:"), m_pLink), 3, 0);
    grid->addWidget(m_pLink, 3, 1);
    grid->addWidget(MakeLabel(QStringLiteral("Target Frame:"), m_pTarget), 4, 0);
    grid->addWidget(m_pTarget, 4, 1);
    grid->addWidget(Note(this, QStringLiteral("You can specify the image to display for each states of the item:")),
                    0, 3);
    grid->addWidget(image, 1, 3, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(Note(this, QStringLiteral("You can specify the audio to play for each states of the item:")),
                    2, 3, 2, 1, Qt::AlignBottom);
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

void CDlgItem::LoadFromModel()
{
    const CTavelinItem* item = Ctx().selection.Item();
    m_strLabel = item ? item->m_strLabel : std::string();
    m_strDescription = item ? item->m_strDescription : std::string();
    m_strLink = item ? item->m_strLink : std::string();
    m_strTarget = item ? item->m_strTarget : std::string();
    DataToControls();
}

bool CDlgItem::StoreToModel()
{
    ControlsToData();
    CTavelinItem* item = Ctx().selection.Item();
    if (!item)
        return true;
    CItemFields fields = *item;
    fields.m_strLabel = m_strLabel;
    fields.m_strDescription = m_strDescription;
    fields.m_strLink = m_strLink;
    fields.m_strTarget = m_strTarget;
    const StoreGuard guard;
    Ctx().editor.SetItemFields(item, fields, Title());
    return true;
}

bool CDlgItem::IsStale() const
{
    const CTavelinItem* item = Ctx().selection.Item();
    return item
           && std::tie(m_strLabel, m_strDescription, m_strLink, m_strTarget)
                  != std::tie(item->m_strLabel, item->m_strDescription, item->m_strLink, item->m_strTarget);
}

// A non-empty target that begins a list entry shows as that whole entry.
void CDlgItem::DataToControls()
{
    m_pLabel->setPlainText(CText::ToQMultiLine(m_strLabel));
    m_pDescription->setText(CText::ToQ(m_strDescription));
    m_pLink->setText(CText::ToQ(m_strLink));
    QStringList entries;
    for (int i = 0; i < m_pTarget->count(); ++i)
        entries << m_pTarget->itemText(i);
    const QString target = CText::ToQ(m_strTarget);
    const int match = MatchTarget(entries, target);
    m_pTarget->setCurrentIndex(match);
    if (match < 0)
        m_pTarget->setEditText(target);
}

void CDlgItem::ControlsToData()
{
    m_strLabel = CText::FromQMultiLine(m_pLabel->toPlainText());
    m_strDescription = CText::FromQ(m_pDescription->text());
    m_strLink = CText::FromQ(m_pLink->text());
    m_strTarget = CText::FromQ(m_pTarget->currentText());
}

// The label goes into the model as soon as its box loses the focus (the tree
// renames the node from the editor's notice). A box that loses the focus
// because its page is being hidden is stored by the page's own store.
void CDlgItem::StoreLabel()
{
    CTavelinItem* item = Ctx().selection.Item();
    if (!isVisible() || !item)
        return;
    ControlsToData();
    CItemFields fields = *item;
    fields.m_strLabel = m_strLabel;
    const StoreGuard guard;
    Ctx().editor.SetItemFields(item, fields, QStringLiteral("Item Label"));
}

bool CDlgItem::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pLabel && event->type() == QEvent::FocusOut
        && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        StoreLabel();
    return CPropertyPage::eventFilter(watched, event);
}

void CDlgItem::OnImage()
{
    CTavelinItem* item = Ctx().selection.Item();
    if (!item)
        return;
    ControlsToData();
    CDlgImage dialog(Ctx().prompts, this);
    dialog.SetFile(CDlgImage::kNormal, item->m_strNormalImage);
    dialog.SetFile(CDlgImage::kOver, item->m_strOverImage);
    dialog.SetFile(CDlgImage::kClick, item->m_strClickImage);
    dialog.SetScope(0);
    if (Ctx().prompts.Exec(dialog) != QDialog::Accepted)
        return;
    const StoreGuard guard;
    Ctx().editor.ApplyImages(item, dialog.Scope(), dialog.File(CDlgImage::kNormal),
                                  dialog.File(CDlgImage::kOver), dialog.File(CDlgImage::kClick));
}

void CDlgItem::OnAudio()
{
    CTavelinItem* item = Ctx().selection.Item();
    if (!item)
        return;
    ControlsToData();
    CDlgAudio dialog(Ctx().prompts, this);
    dialog.SetFile(CDlgAudio::kOver, item->m_strOverAudio);
    dialog.SetFile(CDlgAudio::kClick, item->m_strClickAudio);
    dialog.SetScope(0);
    if (Ctx().prompts.Exec(dialog) != QDialog::Accepted)
        return;
    const StoreGuard guard;
    Ctx().editor.ApplyAudio(item, dialog.Scope(), dialog.File(CDlgAudio::kOver),
                                 dialog.File(CDlgAudio::kClick));
}
