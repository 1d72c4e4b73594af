// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgMenuStyle.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "editor/CModelEditor.h"
#include "editor/CSelection.h"
#include "editor/IUserPrompts.h"
#include "gui/widgets/CColorButton.h"
#include "gui/widgets/CIntegerField.h"

namespace {
CIntegerField* NamedField(IUserPrompts& prompts, QWidget* owner, const QString& name, CIntegerField::Kind kind)
{
    auto* field = new CIntegerField(prompts, kind, owner);
    field->setObjectName(name);
    return field;
}

}  // namespace

CDlgMenuStyle::CDlgMenuStyle(const CEditorContext& context, QWidget* parent)
    : CBoundPage(context, tr("Menu Style"), kDialogId, parent)
{
    Build();
    BindFields();
    Show(CMenuStyle());  // the page's start values until the first load
    FixPageSize();
}

void CDlgMenuStyle::Build()
{
    using Kind = CIntegerField::Kind;
    m_pIndent = NamedField(Ctx().prompts, this, QStringLiteral("Indent"), Kind::Signed);
    auto* group = new QGroupBox(tr("Size of the item"), this);
    m_pItemWidth = NamedField(Ctx().prompts, group, QStringLiteral("ItemWidth"), Kind::DigitsOnly);
    m_pItemHeight = NamedField(Ctx().prompts, group, QStringLiteral("ItemHeight"), Kind::DigitsOnly);
    m_pBorderThick = NamedField(Ctx().prompts, group, QStringLiteral("BorderThick"), Kind::DigitsOnly);
    m_pItemGap = NamedField(Ctx().prompts, group, QStringLiteral("ItemGaps"), Kind::DigitsOnly);
    m_pBackStyle = MakeList(this, QStringLiteral("BackStyle"),
                            {tr("Transparent and without Border"), tr("Transparent and with Border"),
                             tr("Filled with Color and without Border"), tr("Filled with Color and with Border")});
    m_pBackStyle->hide();
    m_pBackground = new CColorButton(Ctx().prompts, this);
    m_pBackground->setObjectName(QStringLiteral("BackgroundColor"));
    m_pBackground->setAccessibleName(tr("Menu background color"));
    m_pBackground->hide();

    auto* groupLayout = new QGridLayout(group);
    groupLayout->addWidget(MakeLabel(tr("Item Width:"), m_pItemWidth), 0, 0);
    groupLayout->addWidget(m_pItemWidth, 0, 1);
    groupLayout->addWidget(MakeLabel(tr("Item Height:"), m_pItemHeight), 1, 0);
    groupLayout->addWidget(m_pItemHeight, 1, 1);
    groupLayout->addWidget(MakeLabel(tr("Item Border Thick:"), m_pBorderThick), 0, 3);
    groupLayout->addWidget(m_pBorderThick, 0, 4);
    groupLayout->addWidget(MakeLabel(tr("Item Gaps:"), m_pItemGap), 1, 3);
    groupLayout->addWidget(m_pItemGap, 1, 4);
    groupLayout->setColumnMinimumWidth(2, 12);
    groupLayout->setColumnStretch(5, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(tr("Indent of Menu:"), m_pIndent), 0, 0);
    grid->addWidget(m_pIndent, 0, 1);
    grid->addWidget(group, 1, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);

    SetTabOrder(
        {m_pIndent->Edit(), m_pItemWidth->Edit(), m_pItemHeight->Edit(), m_pBorderThick->Edit(), m_pItemGap->Edit()});
}

void CDlgMenuStyle::BindFields()
{
    Bind(tr("Indent of Menu"), m_pIndent, &CMenuStyle::m_nIndent);
    Bind(tr("Item Width"), m_pItemWidth, &CMenuStyle::m_nItemWidth);
    Bind(tr("Item Height"), m_pItemHeight, &CMenuStyle::m_nItemHeight);
    Bind(tr("Item Border Thick"), m_pBorderThick, &CMenuStyle::m_nBorderThick);
    Bind(tr("Item Gaps"), m_pItemGap, &CMenuStyle::m_nItemGap);
    Bind(tr("Menu Background"), m_pBackStyle, &CMenuStyle::m_nBackStyle);
    Bind(tr("Menu Background Color"), m_pBackground, &CMenuStyle::m_crBackground);
}

const CMenuStyle* CDlgMenuStyle::Source() const
{
    return Ctx().selection.HasItem() ? Ctx().selection.Menu() : nullptr;
}

void CDlgMenuStyle::Commit(const CMenuStyle& edited, const QString& name, const QString& field)
{
    Ctx().editor.SetMenuStyle(Ctx().selection.Menu(), edited, name, field);
}
