#include "CDlgMenuStyle.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <tuple>

#include "CIntegerField.h"
#include "editor/CSelection.h"
#include "editor/IUserPrompts.h"
#include "editor/CModelEditor.h"
#include "ui/CColorButton.h"

namespace {
CIntegerField* NamedField(IUserPrompts& prompts, QWidget* owner, const QString& name, CIntegerField::Kind kind)
{
    auto* field = new CIntegerField(prompts, kind, owner);
    field->setObjectName(name);
    return field;
}

}

CDlgMenuStyle::CDlgMenuStyle(const CEditorContext& context, QWidget* parent) : CPropertyPage(context, QStringLiteral("Menu Style"), kDialogId, parent)
{
    Build();
    DataToControls();   // the page's start values until the first load
    FixPageSize();
}

void CDlgMenuStyle::Build()
{
    using Kind = CIntegerField::Kind;
    m_pIndent = NamedField(Ctx().prompts, this, QStringLiteral("Indent"), Kind::Signed);
    auto* group = new QGroupBox(QStringLiteral("Size of the item"), this);
    m_pItemWidth = NamedField(Ctx().prompts, group, QStringLiteral("ItemWidth"), Kind::DigitsOnly);
    m_pItemHeight = NamedField(Ctx().prompts, group, QStringLiteral("ItemHeight"), Kind::DigitsOnly);
    m_pBorderThick = NamedField(Ctx().prompts, group, QStringLiteral("BorderThick"), Kind::DigitsOnly);
    m_pItemGap = NamedField(Ctx().prompts, group, QStringLiteral("ItemGaps"), Kind::DigitsOnly);
    m_pBackStyle = MakeList(this, QStringLiteral("BackStyle"),
                            {"Transparent and without Border", "Transparent and with Border",
                             "Fullfilled Color and without Border", "Fullfilled Color and with Border"});
    m_pBackStyle->hide();
    m_pBackground = new CColorButton(Ctx().prompts, this);
    m_pBackground->setObjectName(QStringLiteral("BackgroundColor"));
    m_pBackground->hide();

    auto* groupLayout = new QGridLayout(group);
    groupLayout->addWidget(MakeLabel(QStringLiteral("Item Width:"), m_pItemWidth), 0, 0);
    groupLayout->addWidget(m_pItemWidth, 0, 1);
    groupLayout->addWidget(MakeLabel(QStringLiteral("Item Height:"), m_pItemHeight), 1, 0);
    groupLayout->addWidget(m_pItemHeight, 1, 1);
    groupLayout->addWidget(MakeLabel(QStringLiteral("Item Border Thick:"), m_pBorderThick), 0, 3);
    groupLayout->addWidget(m_pBorderThick, 0, 4);
    groupLayout->addWidget(MakeLabel(QStringLiteral("Item Gaps:"), m_pItemGap), 1, 3);
    groupLayout->addWidget(m_pItemGap, 1, 4);
    groupLayout->setColumnMinimumWidth(2, 12);
    groupLayout->setColumnStretch(5, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(QStringLiteral("Indent of Menu:"), m_pIndent), 0, 0);
    grid->addWidget(m_pIndent, 0, 1);
    grid->addWidget(group, 1, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);

    SetTabOrder({m_pIndent->Edit(), m_pItemWidth->Edit(), m_pItemHeight->Edit(), m_pBorderThick->Edit(),
                 m_pItemGap->Edit()});
}

void CDlgMenuStyle::LoadFromModel()
{
    if (!Ctx().selection.HasItem())
        return;
    const CTavelin& menu = *Ctx().selection.Menu();
    m_nIndent = menu.m_nIndent;
    m_nItemWidth = menu.m_nItemWidth;
    m_nItemHeight = menu.m_nItemHeight;
    m_nBorderThick = menu.m_nBorderThick;
    m_nItemGap = menu.m_nItemGap;
    m_nBackStyle = menu.m_nBackStyle;
    m_crBackground = menu.m_crBackground;
    DataToControls();
}

bool CDlgMenuStyle::StoreToModel()
{
    if (!ControlsToData())
        return false;
    if (!Ctx().selection.HasItem())
        return true;
    CTavelin* menu = Ctx().selection.Menu();
    CMenuStyle style = *menu;
    style.m_nIndent = m_nIndent;
    style.m_nItemWidth = m_nItemWidth;
    style.m_nItemHeight = m_nItemHeight;
    style.m_nBorderThick = m_nBorderThick;
    style.m_nItemGap = m_nItemGap;
    style.m_nBackStyle = m_nBackStyle;
    style.m_crBackground = m_crBackground;
    const StoreGuard guard;
    Ctx().editor.SetMenuStyle(menu, style, Title());
    return true;
}

bool CDlgMenuStyle::IsStale() const
{
    if (!Ctx().selection.HasItem())
        return false;
    const CTavelin& m = *Ctx().selection.Menu();
    return std::tie(m_nIndent, m_nItemWidth, m_nItemHeight, m_nBorderThick, m_nItemGap, m_nBackStyle, m_crBackground)
           != std::tie(m.m_nIndent, m.m_nItemWidth, m.m_nItemHeight, m.m_nBorderThick, m.m_nItemGap, m.m_nBackStyle,
                       m.m_crBackground);
}

void CDlgMenuStyle::DataToControls()
{
    m_pIndent->SetValue(m_nIndent);
    m_pItemWidth->SetValue(m_nItemWidth);
    m_pItemHeight->SetValue(m_nItemHeight);
    m_pBorderThick->SetValue(m_nBorderThick);
    m_pItemGap->SetValue(m_nItemGap);
    SetChoice(m_pBackStyle, m_nBackStyle);
    m_pBackground->SetColor(m_crBackground);
}

bool CDlgMenuStyle::ControlsToData()
{
    int values[5] = {};
    CIntegerField* fields[5] = {m_pIndent, m_pItemWidth, m_pItemHeight, m_pBorderThick, m_pItemGap};
    for (int i = 0; i < 5; ++i)
        if (!ReadInt(fields[i], values[i]))
            return false;
    m_nIndent = values[0];
    m_nItemWidth = values[1];
    m_nItemHeight = values[2];
    m_nBorderThick = values[3];
    m_nItemGap = values[4];
    m_nBackStyle = Choice(m_pBackStyle);
    m_crBackground = m_pBackground->m_crColor;
    return true;
}
