#include "CDlgAppletStyle.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <tuple>

#include "CDlgAnimateSpeed.h"
#include "CDlgBackgroundStyle.h"
#include "CIntegerField.h"
#include "editor/CSelection.h"
#include "editor/CModelEditor.h"
#include "editor/IUserPrompts.h"
#include "ui/CColorButton.h"

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
}

CDlgAppletStyle::CDlgAppletStyle(const CEditorContext& context, QWidget* parent)
    : CPropertyPage(context, QStringLiteral("More Styles"), kDialogId, parent)
{
    Build();
    DataToControls();   // the page's start values until the first load
    FixPageSize();
}

void CDlgAppletStyle::Build()
{
    m_pShowSelection = NamedCheck(this, QStringLiteral("Show Selection Always"), QStringLiteral("ShowSelection"));
    m_pShowAllBranches = NamedCheck(this, QStringLiteral("Display All Branchs"), QStringLiteral("ShowAllBranches"));
    m_pHasLines = NamedCheck(this, QStringLiteral("Has Lines"), QStringLiteral("HasLines"));
    auto* animate = new QPushButton(QStringLiteral("Animate Speed ..."), this);
    animate->setObjectName(QStringLiteral("AnimateSpeed"));
    auto* background = new QPushButton(QStringLiteral("Background Style ..."), this);
    background->setObjectName(QStringLiteral("BackgroundStyle"));
    m_pDisplayFromY = NamedField(Ctx().prompts, this, QStringLiteral("DisplayFromY"));
    auto* group = new QGroupBox(QStringLiteral("Tree Line"), this);
    m_pLineColor = new CColorButton(Ctx().prompts, group);
    m_pLineColor->setObjectName(QStringLiteral("LineColor"));
    m_pLineThick = NamedField(Ctx().prompts, group, QStringLiteral("LineThick"));
    m_pLineIndent = NamedField(Ctx().prompts, group, QStringLiteral("LineIndent"));
    connect(animate, &QPushButton::clicked, this, &CDlgAppletStyle::OnAnimateSpeed);
    connect(background, &QPushButton::clicked, this, &CDlgAppletStyle::OnBackgroundStyle);
    connect(m_pLineColor, &QPushButton::clicked, m_pLineColor, &CColorButton::Choose);

    auto* groupLayout = new QGridLayout(group);
    groupLayout->addWidget(MakeLabel(QStringLiteral("Color:"), m_pLineColor), 0, 0);
    groupLayout->addWidget(m_pLineColor, 0, 1);
    groupLayout->addWidget(MakeLabel(QStringLiteral("Thick:"), m_pLineThick), 1, 0);
    groupLayout->addWidget(m_pLineThick, 1, 1);
    groupLayout->addWidget(MakeLabel(QStringLiteral("Indent:"), m_pLineIndent), 2, 0);
    groupLayout->addWidget(m_pLineIndent, 2, 1);
    groupLayout->setColumnStretch(2, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_pShowSelection, 0, 0);
    grid->addWidget(m_pShowAllBranches, 1, 0);
    grid->addWidget(m_pHasLines, 2, 0);
    grid->addWidget(animate, 0, 1);
    grid->addWidget(background, 1, 1);
    auto* fromY = new QHBoxLayout;
    fromY->addWidget(MakeLabel(QStringLiteral("Menu Display From(Y Value):"), m_pDisplayFromY));
    fromY->addWidget(m_pDisplayFromY);
    grid->addLayout(fromY, 3, 0, 1, 2);
    grid->addWidget(group, 0, 2, 4, 1);
    grid->setColumnStretch(2, 1);

    SetTabOrder({m_pShowSelection, m_pShowAllBranches, m_pHasLines, animate, background,
                 m_pDisplayFromY->Edit(), m_pLineColor, m_pLineThick->Edit(), m_pLineIndent->Edit()});
}

void CDlgAppletStyle::LoadFromModel()
{
    const CAppletSettings& applet = Ctx().Params();
    m_bShowSelection = applet.m_bShowSelection;
    m_bShowAllBranches = applet.m_bShowAllBranches;
    m_bHasLines = applet.m_bHasLines;
    m_nDisplayFromY = applet.m_nDisplayFromY;
    m_crLine = applet.m_crLine;
    m_nLineThick = applet.m_nLineThick;
    m_nLineIndent = applet.m_nLineIndent;
    DataToControls();
}

bool CDlgAppletStyle::StoreToModel()
{
    if (!ControlsToData())
        return false;
    CAppletSettings applet = Ctx().Params();
    applet.m_bShowSelection = m_bShowSelection;
    applet.m_bShowAllBranches = m_bShowAllBranches;
    applet.m_bHasLines = m_bHasLines;
    applet.m_nDisplayFromY = m_nDisplayFromY;
    applet.m_crLine = m_crLine;
    applet.m_nLineThick = m_nLineThick;
    applet.m_nLineIndent = m_nLineIndent;
    const StoreGuard guard;
    Ctx().editor.SetAppletSettings(applet, Title());
    return true;
}

bool CDlgAppletStyle::IsStale() const
{
    const CAppletSettings& a = Ctx().Params();
    return std::tie(m_bShowSelection, m_bShowAllBranches, m_bHasLines, m_nDisplayFromY, m_crLine, m_nLineThick,
                    m_nLineIndent)
           != std::tie(a.m_bShowSelection, a.m_bShowAllBranches, a.m_bHasLines, a.m_nDisplayFromY, a.m_crLine,
                       a.m_nLineThick, a.m_nLineIndent);
}

void CDlgAppletStyle::DataToControls()
{
    m_pShowSelection->setChecked(m_bShowSelection != 0);
    m_pShowAllBranches->setChecked(m_bShowAllBranches != 0);
    m_pHasLines->setChecked(m_bHasLines != 0);
    m_pDisplayFromY->SetValue(m_nDisplayFromY);
    m_pLineColor->SetColor(m_crLine);
    m_pLineThick->SetValue(m_nLineThick);
    m_pLineIndent->SetValue(m_nLineIndent);
}

bool CDlgAppletStyle::ControlsToData()
{
    int fromY = 0, thick = 0, indent = 0;
    if (!ReadInt(m_pDisplayFromY, fromY) || !ReadInt(m_pLineThick, thick) || !ReadInt(m_pLineIndent, indent))
        return false;
    m_bShowSelection = m_pShowSelection->isChecked() ? 1 : 0;
    m_bShowAllBranches = m_pShowAllBranches->isChecked() ? 1 : 0;
    m_bHasLines = m_pHasLines->isChecked() ? 1 : 0;
    m_nDisplayFromY = fromY;
    m_crLine = m_pLineColor->m_crColor;
    m_nLineThick = thick;
    m_nLineIndent = indent;
    return true;
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
    const StoreGuard guard;
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
    const StoreGuard guard;
    Ctx().editor.SetAppletSettings(applet, dialog.windowTitle());
}
