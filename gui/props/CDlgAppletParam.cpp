// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgAppletParam.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "CDlgAudio.h"
#include "CDlgImage.h"
#include "editor/CModelEditor.h"
#include "editor/CSelection.h"
#include "editor/CText.h"
#include "editor/IUserPrompts.h"
#include "gui/widgets/CColorButton.h"
#include "gui/widgets/CIntegerField.h"

namespace {
QLineEdit* NamedEdit(QWidget* owner, const QString& name)
{
    auto* edit = new QLineEdit(owner);
    edit->setObjectName(name);
    return edit;
}

CIntegerField* NamedField(IUserPrompts& prompts, QWidget* owner, const QString& name)
{
    auto* field = new CIntegerField(prompts, CIntegerField::Kind::DigitsOnly, owner);
    field->setObjectName(name);
    return field;
}
}  // namespace

CDlgAppletParam::CDlgAppletParam(const CEditorContext& context, QWidget* parent)
    : CBoundPage(context, tr("Applet Parameters"), kDialogId, parent)
{
    Build();
    BindFields();
    Show(CAppletSettings());  // the page's start values until the first load
    FixPageSize();
}

void CDlgAppletParam::Build()
{
    m_pName = NamedEdit(this, QStringLiteral("Name"));
    m_pName->installEventFilter(this);
    m_pAlign = MakeList(this, QStringLiteral("Align"), {tr("Center"), tr("Left"), tr("Right")});
    m_pWidth = NamedField(Ctx().prompts, this, QStringLiteral("Width"));
    m_pWidth->SetSpinRange(0, 5000);
    m_pHeight = NamedField(Ctx().prompts, this, QStringLiteral("Height"));
    m_pHeight->SetSpinRange(0, 5000);
    m_pBackground = new CColorButton(Ctx().prompts, this);
    m_pBackground->setObjectName(QStringLiteral("BackgroundColor"));
    m_pBackground->setAccessibleName(tr("Applet background color"));
    connect(m_pBackground, &QPushButton::clicked, m_pBackground, &CColorButton::Choose);
    m_pBackImage = NamedEdit(this, QStringLiteral("BackgroundImage"));
    auto* browseImage = new QPushButton(QStringLiteral("..."), this);
    browseImage->setObjectName(QStringLiteral("BrowseImage"));
    auto* group = new QGroupBox(tr("Display Image"), this);
    auto* specify = new QRadioButton(tr("Specify"), group);
    auto* tile = new QRadioButton(tr("Tile"), group);
    m_pImageMode = MakeRadioGroup(this, {specify, tile});
    m_pImageX = NamedField(Ctx().prompts, group, QStringLiteral("XPos"));
    m_pImageY = NamedField(Ctx().prompts, group, QStringLiteral("YPos"));
    m_pBackAudio = NamedEdit(this, QStringLiteral("BackgroundAudio"));
    auto* browseAudio = new QPushButton(QStringLiteral("..."), this);
    browseAudio->setObjectName(QStringLiteral("BrowseAudio"));
    browseImage->setAccessibleName(tr("Choose the background image"));
    browseAudio->setAccessibleName(tr("Choose the background audio"));
    for (QPushButton* button : {browseImage, browseAudio})
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 12);
    connect(browseImage, &QPushButton::clicked, this, [this] { Browse(m_pBackImage, CDlgImage::Filter()); });
    connect(browseAudio, &QPushButton::clicked, this, [this] { Browse(m_pBackAudio, CDlgAudio::Filter()); });

    auto* groupLayout = new QGridLayout(group);
    groupLayout->addWidget(specify, 0, 0);
    groupLayout->addWidget(MakeLabel(tr("X Pos:"), m_pImageX), 0, 1);
    groupLayout->addWidget(m_pImageX, 0, 2);
    groupLayout->addWidget(tile, 1, 0);
    groupLayout->addWidget(MakeLabel(tr("Y Pos:"), m_pImageY), 1, 1);
    groupLayout->addWidget(m_pImageY, 1, 2);
    groupLayout->setColumnStretch(3, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(tr("Name:"), m_pName), 0, 0);
    grid->addWidget(m_pName, 0, 1);
    grid->addWidget(MakeLabel(tr("Align:"), m_pAlign), 1, 0);
    grid->addWidget(m_pAlign, 1, 1, Qt::AlignLeft);
    grid->addWidget(MakeLabel(tr("Applet Width:"), m_pWidth), 2, 0);
    grid->addWidget(m_pWidth, 2, 1);
    grid->addWidget(MakeLabel(tr("Applet Height:"), m_pHeight), 3, 0);
    grid->addWidget(m_pHeight, 3, 1);
    grid->addWidget(MakeLabel(tr("Background Color:"), m_pBackground), 4, 0);
    grid->addWidget(m_pBackground, 4, 1);
    grid->addWidget(MakeLabel(tr("Background Image:"), m_pBackImage), 0, 3);
    grid->addWidget(m_pBackImage, 0, 4);
    grid->addWidget(browseImage, 0, 5);
    grid->addWidget(group, 1, 3, 3, 3);
    grid->addWidget(MakeLabel(tr("Background Audio:"), m_pBackAudio), 4, 3);
    grid->addWidget(m_pBackAudio, 4, 4);
    grid->addWidget(browseAudio, 4, 5);
    grid->setColumnMinimumWidth(2, 8);
    grid->setColumnStretch(4, 1);

    SetTabOrder({m_pName, m_pAlign, m_pWidth->Edit(), m_pHeight->Edit(), m_pBackground, m_pBackImage, browseImage,
                 specify, tile, m_pImageX->Edit(), m_pImageY->Edit(), m_pBackAudio, browseAudio});
}

void CDlgAppletParam::BindFields()
{
    const std::pair<int, int> size(0, 5000);
    Bind(tr("Applet Name"), m_pName, &CAppletSettings::m_strName);
    Bind(tr("Align"), m_pAlign, &CAppletSettings::m_nAlign);
    Bind(tr("Applet Width"), m_pWidth, &CAppletSettings::m_nWidth, size);
    Bind(tr("Applet Height"), m_pHeight, &CAppletSettings::m_nHeight, size);
    Bind(tr("Background Color"), m_pBackground, &CAppletSettings::m_crBackground);
    Bind(tr("Background Image"), m_pBackImage, &CAppletSettings::m_strBackImage);
    Bind(tr("Display Image"), m_pImageMode, &CAppletSettings::m_nImageMode);
    Bind(tr("X Pos"), m_pImageX, &CAppletSettings::m_nImageX);
    Bind(tr("Y Pos"), m_pImageY, &CAppletSettings::m_nImageY);
    Bind(tr("Background Audio"), m_pBackAudio, &CAppletSettings::m_strBackAudio);
}

void CDlgAppletParam::LoadFromModel()
{
    CBoundPage::LoadFromModel();
    const bool specify = Source()->m_nImageMode == 0;
    m_pImageX->setEnabled(specify);
    m_pImageY->setEnabled(specify);
}

const CAppletSettings* CDlgAppletParam::Source() const
{
    return &Ctx().Params();
}

void CDlgAppletParam::Commit(const CAppletSettings& edited, const QString& name, const QString& field)
{
    Ctx().editor.SetAppletSettings(edited, name, field);
}

// The name goes into the model as soon as its box loses the focus (the tree
// renames its root from the editor's notice), once the page's input passes.
// A box that loses the focus because its page is being hidden is stored by
// the page's own store that follows.
bool CDlgAppletParam::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pName && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason && isVisible())
        StoreBound(m_pName);
    return CPropertyPage::eventFilter(watched, event);
}

void CDlgAppletParam::Browse(QLineEdit* box, const QString& filter)
{
    const QString path = Ctx().prompts.OpenMediaFileName(this, filter, box->text());
    if (!path.isEmpty())
        box->setText(path);
}
