// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgAppletStyle.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "CDlgAnimateSpeed.h"
#include "CDlgBackgroundStyle.h"
#include "editor/CModelEditor.h"
#include "editor/CSelection.h"
#include "editor/IUserPrompts.h"
#include "gui/widgets/CColorButton.h"
#include "gui/widgets/CIntegerField.h"

namespace {
QCheckBox* NamedCheck(QWidget* owner, const QString& text, const QString& name)
{
    auto* check = new QCheckBox(text, owner);
    check->setObjectName(name);
    return check;
}

CIntegerField* NamedField(IUserPrompts& prompts, QWidget* owner, const QString& name)
{
    auto* field = new CIntegerField(prompts, CIntegerField::Kind::DigitsOnly, owner);
    field->setObjectName(name);
    return field;
}
}  // namespace

CDlgAppletStyle::CDlgAppletStyle(const CEditorContext& context, QWidget* parent)
    : CBoundPage(context, tr("More Styles"), kDialogId, parent)
{
    Build();
    BindFields();
    Show(CAppletSettings());  // the page's start values until the first load
    FixPageSize();
}

void CDlgAppletStyle::Build()
{
    m_pShowSelection = NamedCheck(this, tr("Show Selection Always"), QStringLiteral("ShowSelection"));
    m_pShowAllBranches = NamedCheck(this, tr("Display All Branchs"), QStringLiteral("ShowAllBranches"));
    m_pHasLines = NamedCheck(this, tr("Has Lines"), QStringLiteral("HasLines"));
    auto* animate = new QPushButton(tr("Animate Speed ..."), this);
    animate->setObjectName(QStringLiteral("AnimateSpeed"));
    auto* background = new QPushButton(tr("Background Style ..."), this);
    background->setObjectName(QStringLiteral("BackgroundStyle"));
    m_pDisplayFromY = NamedField(Ctx().prompts, this, QStringLiteral("DisplayFromY"));
    auto* group = new QGroupBox(tr("Tree Line"), this);
    m_pLineColor = new CColorButton(Ctx().prompts, group);
    m_pLineColor->setObjectName(QStringLiteral("LineColor"));
    m_pLineColor->setAccessibleName(tr("Tree line color"));
    m_pLineThick = NamedField(Ctx().prompts, group, QStringLiteral("LineThick"));
    m_pLineIndent = NamedField(Ctx().prompts, group, QStringLiteral("LineIndent"));
    connect(animate, &QPushButton::clicked, this, &CDlgAppletStyle::OnAnimateSpeed);
    connect(background, &QPushButton::clicked, this, &CDlgAppletStyle::OnBackgroundStyle);
    connect(m_pLineColor, &QPushButton::clicked, m_pLineColor, &CColorButton::Choose);

    auto* groupLayout = new QGridLayout(group);
    groupLayout->addWidget(MakeLabel(tr("Color:"), m_pLineColor), 0, 0);
    groupLayout->addWidget(m_pLineColor, 0, 1);
    groupLayout->addWidget(MakeLabel(tr("Thick:"), m_pLineThick), 1, 0);
    groupLayout->addWidget(m_pLineThick, 1, 1);
    groupLayout->addWidget(MakeLabel(tr("Indent:"), m_pLineIndent), 2, 0);
    groupLayout->addWidget(m_pLineIndent, 2, 1);
    groupLayout->setColumnStretch(2, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_pShowSelection, 0, 0);
    grid->addWidget(m_pShowAllBranches, 1, 0);
    grid->addWidget(m_pHasLines, 2, 0);
    grid->addWidget(animate, 0, 1);
    grid->addWidget(background, 1, 1);
    auto* fromY = new QHBoxLayout;
    fromY->addWidget(MakeLabel(tr("Menu Display From(Y Value):"), m_pDisplayFromY));
    fromY->addWidget(m_pDisplayFromY);
    grid->addLayout(fromY, 3, 0, 1, 2);
    grid->addWidget(group, 0, 2, 4, 1);
    grid->setColumnStretch(2, 1);

    SetTabOrder({m_pShowSelection, m_pShowAllBranches, m_pHasLines, animate, background, m_pDisplayFromY->Edit(),
                 m_pLineColor, m_pLineThick->Edit(), m_pLineIndent->Edit()});
}

void CDlgAppletStyle::BindFields()
{
    Bind(tr("Show Selection"), m_pShowSelection, &CAppletSettings::m_bShowSelection);
    Bind(tr("Show All Branches"), m_pShowAllBranches, &CAppletSettings::m_bShowAllBranches);
    Bind(tr("Has Lines"), m_pHasLines, &CAppletSettings::m_bHasLines);
    Bind(tr("Display From Y"), m_pDisplayFromY, &CAppletSettings::m_nDisplayFromY);
    Bind(tr("Line Color"), m_pLineColor, &CAppletSettings::m_crLine);
    Bind(tr("Line Thick"), m_pLineThick, &CAppletSettings::m_nLineThick);
    Bind(tr("Line Indent"), m_pLineIndent, &CAppletSettings::m_nLineIndent);
}

const CAppletSettings* CDlgAppletStyle::Source() const
{
    return &Ctx().Params();
}

void CDlgAppletStyle::Commit(const CAppletSettings& edited, const QString& name, const QString& field)
{
    Ctx().editor.SetAppletSettings(edited, name, field);
}

// The two dialogs neither read nor store the page's own controls.
void CDlgAppletStyle::OnAnimateSpeed()
{
    CDlgAnimateSpeed dialog(Ctx().Params().m_nOpenSpeed, Ctx().Params().m_nCloseSpeed, this);
    if (Ctx().prompts.Exec(dialog) != QDialog::Accepted)
        return;
    CAppletSettings applet = Ctx().Params();
    applet.m_nOpenSpeed = dialog.m_nOpenSpeed;
    applet.m_nCloseSpeed = dialog.m_nCloseSpeed;
    Ctx().editor.SetAppletSettings(applet, dialog.windowTitle());
}

void CDlgAppletStyle::OnBackgroundStyle()
{
    const CAppletSettings& current = Ctx().Params();
    CDlgBackgroundStyle dialog(current.m_nBorder, current.m_nBackStyle, current.m_nGradientDir, this);
    if (Ctx().prompts.Exec(dialog) != QDialog::Accepted)
        return;
    CAppletSettings applet = Ctx().Params();
    applet.m_nBorder = dialog.m_nBorder;
    applet.m_nBackStyle = dialog.m_nBackStyle;
    applet.m_nGradientDir = dialog.m_nGradientDir;
    Ctx().editor.SetAppletSettings(applet, dialog.windowTitle());
}
