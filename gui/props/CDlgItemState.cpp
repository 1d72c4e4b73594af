// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgItemState.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "CDlgFont.h"
#include "editor/CModelEditor.h"
#include "editor/CSelection.h"
#include "editor/IUserPrompts.h"
#include "gui/widgets/CColorButton.h"
#include "gui/widgets/CIntegerField.h"

namespace {
// The alignments in the language of the user.
QStringList Alignments()
{
    return {QCoreApplication::translate("CDlgItemState", "Left"),
            QCoreApplication::translate("CDlgItemState", "Center"),
            QCoreApplication::translate("CDlgItemState", "Right")};
}

CIntegerField* OffsetField(IUserPrompts& prompts, QWidget* owner, const QString& name)
{
    auto* field = new CIntegerField(prompts, CIntegerField::Kind::Signed, owner);
    field->setObjectName(name);
    field->SetSpinRange(-5000, 5000);
    return field;
}
}  // namespace

CDlgItemState::CDlgItemState(const CEditorContext& context, const QString& title, int dialogId, int state,
                             QWidget* parent)
    : CBoundPage(context, title, dialogId, parent), m_nState(state)
{
    Build();
    BindFields();
    Show(CMenuStyle());  // the page's start values until the first load
    FixPageSize();
}

void CDlgItemState::Build()
{
    m_pBack = new CColorButton(Ctx().prompts, this);
    m_pBack->setObjectName(QStringLiteral("BackgroundColor"));
    m_pBack->setAccessibleName(tr("Item background color"));
    connect(m_pBack, &QPushButton::clicked, m_pBack, &CColorButton::Choose);
    auto* font = new QPushButton(tr("Font..."), this);
    font->setObjectName(QStringLiteral("Font"));
    connect(font, &QPushButton::clicked, this, &CDlgItemState::OnFont);
    QWidget* align = BuildAlignGroup();
    m_pBackStyle =
        MakeList(this, QStringLiteral("ItemBackground"),
                 {tr("Transparent "), tr("Filled with Color"), tr("Horizontal Gradient from Black to Color"),
                  tr("Horizontal Gradient from White to Color"), tr("Horizontal Gradient from Color to Black"),
                  tr("Horizontal Gradient from Color to White"), tr("Vertical Gradient from Black to Color"),
                  tr("Vertical Gradient from White to Color"), tr("Vertical Gradient from Color to Black"),
                  tr("Vertical Gradient from Color to White")});
    QGroupBox* gradient =
        MakeRadioBox(this, tr("Gradient Direction"), {tr("Single Direction"), tr("Bi-direction")}, m_pGradientDir);
    QGroupBox* border =
        MakeRadioBox(this, tr("Border"), {tr("Plain"), tr("Raised"), tr("Sunken")}, m_pBorder, Qt::Vertical);

    // The closed list shows its longest entry whole.
    m_pBackStyle->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto* top = new QHBoxLayout;
    top->addWidget(MakeLabel(tr("Background Color:"), m_pBack));
    top->addWidget(m_pBack);
    top->addSpacing(12);
    top->addWidget(font);
    top->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(align);
    left->addWidget(gradient);
    auto* right = new QVBoxLayout;
    right->addWidget(MakeLabel(tr("Item's Background:"), m_pBackStyle));
    right->addWidget(m_pBackStyle);
    right->addWidget(border);
    right->addStretch(1);
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 3);
    columns->addSpacing(8);
    columns->addLayout(right, 2);

    const QList<QAbstractButton*> gradients = m_pGradientDir->buttons();
    const QList<QAbstractButton*> borders = m_pBorder->buttons();
    SetTabOrder({m_pBack, font, m_pTextAlign, m_pTextOffset->Edit(), m_pImageAlign, m_pImageOffset->Edit(),
                 m_pBackStyle, gradients[0], gradients[1], borders[0], borders[1], borders[2]});
}

QWidget* CDlgItemState::BuildAlignGroup()
{
    auto* box = new QGroupBox(tr("Align"), this);
    m_pTextAlign = MakeList(box, QStringLiteral("TextAlign"), Alignments());
    m_pTextOffset = OffsetField(Ctx().prompts, box, QStringLiteral("TextOffset"));
    m_pImageAlign = MakeList(box, QStringLiteral("ImageAlign"), Alignments());
    m_pImageOffset = OffsetField(Ctx().prompts, box, QStringLiteral("ImageOffset"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(MakeLabel(tr("Text:"), m_pTextAlign), 0, 0);
    grid->addWidget(m_pTextAlign, 0, 1);
    grid->addWidget(MakeLabel(tr("Text Offset:"), m_pTextOffset), 0, 2);
    grid->addWidget(m_pTextOffset, 0, 3);
    grid->addWidget(MakeLabel(tr("Image:"), m_pImageAlign), 1, 0);
    grid->addWidget(m_pImageAlign, 1, 1);
    grid->addWidget(MakeLabel(tr("Image Offset:"), m_pImageOffset), 1, 2);
    grid->addWidget(m_pImageOffset, 1, 3);
    return box;
}

// The fields of the page's state block of the menu's style.
void CDlgItemState::BindFields()
{
    const int state = m_nState;
    auto in = [state](auto member) {
        return [ state, member ](auto& style) -> auto&
        {
            return style.Style(state).*member;
        };
    };
    Bind(tr("Background Color"), m_pBack, in(&CItemStyle::m_crBack));
    Bind(tr("Text Align"), m_pTextAlign, in(&CItemStyle::m_nTextAlign));
    Bind(tr("Text Offset"), m_pTextOffset, in(&CItemStyle::m_nTextOffset));
    Bind(tr("Image Align"), m_pImageAlign, in(&CItemStyle::m_nImageAlign));
    Bind(tr("Image Offset"), m_pImageOffset, in(&CItemStyle::m_nImageOffset));
    Bind(tr("Item's Background"), m_pBackStyle, in(&CItemStyle::m_nBackStyle));
    Bind(tr("Gradient Direction"), m_pGradientDir, in(&CItemStyle::m_nGradientDir));
    Bind(tr("Border"), m_pBorder, in(&CItemStyle::m_nBorder));
}

const CMenuStyle* CDlgItemState::Source() const
{
    return Ctx().selection.HasItem() ? Ctx().selection.Menu() : nullptr;
}

void CDlgItemState::Commit(const CMenuStyle& edited, const QString& name, const QString& field)
{
    Ctx().editor.SetMenuStyle(Ctx().selection.Menu(), edited, name, field);
}

// The font belongs to the menu's state block and is stored at once on OK.
void CDlgItemState::OnFont()
{
    CTavelin* menu = Ctx().selection.Menu();
    if (!menu || !CheckInput())
        return;
    CDlgFont dialog(Ctx().prompts, menu->Style(m_nState), this);
    if (Ctx().prompts.Exec(dialog) != QDialog::Accepted)
        return;
    CMenuStyle copy = *menu;
    dialog.CopyTo(copy.Style(m_nState));
    Ctx().editor.SetMenuStyle(menu, copy, dialog.windowTitle());
}
