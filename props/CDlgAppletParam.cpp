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
#include <tuple>

#include "CDlgAudio.h"
#include "CDlgImage.h"
#include "CIntegerField.h"
#include "editor/CSelection.h"
#include "editor/CModelEditor.h"
#include "editor/CText.h"
#include "editor/IUserPrompts.h"
#include "ui/CColorButton.h"

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
}

CDlgAppletParam::CDlgAppletParam(const CEditorContext& context, QWidget* parent)
    : CPropertyPage(context, QStringLiteral("Applet Parameters"), kDialogId, parent)
{
    Build();
    DataToControls();   // the page's start values until the first load
    FixPageSize();
}

void CDlgAppletParam::Build()
{
    m_pName = NamedEdit(this, QStringLiteral("Name"));
    m_pName->installEventFilter(this);
    m_pAlign = MakeList(this, QStringLiteral("Align"), {"Center", "Left", "Right"});
    m_pWidth = NamedField(Ctx().prompts, this, QStringLiteral("Width"));
    m_pWidth->SetSpinRange(0, 5000);
    m_pHeight = NamedField(Ctx().prompts, this, QStringLiteral("Height"));
    m_pHeight->SetSpinRange(0, 5000);
    m_pBackground = new CColorButton(Ctx().prompts, this);
    m_pBackground->setObjectName(QStringLiteral("BackgroundColor"));
    connect(m_pBackground, &QPushButton::clicked, m_pBackground, &CColorButton::Choose);
    m_pBackImage = NamedEdit(this, QStringLiteral("BackgroundImage"));
    auto* browseImage = new QPushButton(QStringLiteral("..."), this);
    browseImage->setObjectName(QStringLiteral("BrowseImage"));
    auto* group = new QGroupBox(QStringLiteral("Display Image"), this);
    auto* specify = new QRadioButton(QStringLiteral("Specify"), group);
    auto* tile = new QRadioButton(QStringLiteral("Tile"), group);
    m_pImageMode = MakeRadioGroup(this, {specify, tile});
    m_pImageX = NamedField(Ctx().prompts, group, QStringLiteral("XPos"));
    m_pImageY = NamedField(Ctx().prompts, group, QStringLiteral("YPos"));
    m_pBackAudio = NamedEdit(this, QStringLiteral("BackgroundAudio"));
    auto* browseAudio = new QPushButton(QStringLiteral("..."), this);
    browseAudio->setObjectName(QStringLiteral("BrowseAudio"));
    for (QPushButton* button : {browseImage, browseAudio})
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 12);
    connect(browseImage, &QPushButton::clicked, this, [this] { Browse(m_pBackImage, CDlgImage::Filter()); });
    connect(browseAudio, &QPushButton::clicked, this, [this] { Browse(m_pBackAudio, CDlgAudio::Filter()); });

    auto* groupLayout = new QGridLayout(group);
    groupLayout->addWidget(specify, 0, 0);
    groupLayout->addWidget(MakeLabel(QStringLiteral("X Pos:"), m_pImageX), 0, 1);
    groupLayout->addWidget(m_pImageX, 0, 2);
    groupLayout->addWidget(tile, 1, 0);
    groupLayout->addWidget(MakeLabel(QStringLiteral("Y Pos:"), m_pImageY), 1, 1);
    groupLayout->addWidget(m_pImageY, 1, 2);
    groupLayout->setColumnStretch(3, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(QStringLiteral("Name:"), m_pName), 0, 0);
    grid->addWidget(m_pName, 0, 1);
    grid->addWidget(MakeLabel(QStringLiteral("Align:"), m_pAlign), 1, 0);
    grid->addWidget(m_pAlign, 1, 1, Qt::AlignLeft);
    grid->addWidget(MakeLabel(QStringLiteral("Applet Width:"), m_pWidth), 2, 0);
    grid->addWidget(m_pWidth, 2, 1);
    grid->addWidget(MakeLabel(QStringLiteral("Applet Height:"), m_pHeight), 3, 0);
    grid->addWidget(m_pHeight, 3, 1);
    grid->addWidget(MakeLabel(QStringLiteral("Background Color:"), m_pBackground), 4, 0);
    grid->addWidget(m_pBackground, 4, 1);
    grid->addWidget(MakeLabel(QStringLiteral("Background Image:"), m_pBackImage), 0, 3);
    grid->addWidget(m_pBackImage, 0, 4);
    grid->addWidget(browseImage, 0, 5);
    grid->addWidget(group, 1, 3, 3, 3);
    grid->addWidget(MakeLabel(QStringLiteral("Background Audio:"), m_pBackAudio), 4, 3);
    grid->addWidget(m_pBackAudio, 4, 4);
    grid->addWidget(browseAudio, 4, 5);
    grid->setColumnMinimumWidth(2, 8);
    grid->setColumnStretch(4, 1);

    SetTabOrder({m_pName, m_pAlign, m_pWidth->Edit(), m_pHeight->Edit(), m_pBackground, m_pBackImage,
                 browseImage, specify, tile, m_pImageX->Edit(), m_pImageY->Edit(), m_pBackAudio,
                 browseAudio});
}

void CDlgAppletParam::LoadFromModel()
{
    const CAppletSettings& applet = Ctx().Params();
    m_strName = applet.m_strName;
    m_nAlign = applet.m_nAlign;
    m_nWidth = applet.m_nWidth;
    m_nHeight = applet.m_nHeight;
    m_crBackground = applet.m_crBackground;
    m_strBackImage = applet.m_strBackImage;
    m_nImageMode = applet.m_nImageMode;
    m_nImageX = applet.m_nImageX;
    m_nImageY = applet.m_nImageY;
    m_strBackAudio = applet.m_strBackAudio;
    // The position boxes follow the mode loaded here, not later clicks.
    m_pImageX->setEnabled(m_nImageMode == 0);
    m_pImageY->setEnabled(m_nImageMode == 0);
    DataToControls();
}

bool CDlgAppletParam::StoreToModel()
{
    if (!ControlsToData())
        return false;
    CAppletSettings applet = Ctx().Params();
    applet.m_strName = m_strName;
    applet.m_nAlign = m_nAlign;
    applet.m_nWidth = m_nWidth;
    applet.m_nHeight = m_nHeight;
    applet.m_crBackground = m_crBackground;
    applet.m_strBackImage = m_strBackImage;
    applet.m_nImageMode = m_nImageMode;
    applet.m_nImageX = m_nImageX;
    applet.m_nImageY = m_nImageY;
    applet.m_strBackAudio = m_strBackAudio;
    const StoreGuard guard;
    Ctx().editor.SetAppletSettings(applet, Title());
    return true;
}

bool CDlgAppletParam::IsStale() const
{
    const CAppletSettings& a = Ctx().Params();
    return std::tie(m_strName, m_nAlign, m_nWidth, m_nHeight, m_crBackground, m_strBackImage, m_nImageMode,
                    m_nImageX, m_nImageY, m_strBackAudio)
           != std::tie(a.m_strName, a.m_nAlign, a.m_nWidth, a.m_nHeight, a.m_crBackground, a.m_strBackImage,
                       a.m_nImageMode, a.m_nImageX, a.m_nImageY, a.m_strBackAudio);
}

void CDlgAppletParam::DataToControls()
{
    m_pName->setText(CText::ToQ(m_strName));
    SetChoice(m_pAlign, m_nAlign);
    m_pBackground->SetColor(m_crBackground);
    m_pWidth->SetValue(m_nWidth);
    m_pHeight->SetValue(m_nHeight);
    m_pBackImage->setText(CText::ToQ(m_strBackImage));
    SetChoice(m_pImageMode, m_nImageMode);
    m_pImageX->SetValue(m_nImageX);
    m_pImageY->SetValue(m_nImageY);
    m_pBackAudio->setText(CText::ToQ(m_strBackAudio));
}

bool CDlgAppletParam::ControlsToData()
{
    int width = 0, height = 0, x = 0, y = 0;
    if (!ReadInt(m_pWidth, width, 0, 5000) || !ReadInt(m_pHeight, height, 0, 5000)
        || !ReadInt(m_pImageX, x) || !ReadInt(m_pImageY, y))
        return false;
    m_strName = CText::FromQ(m_pName->text());
    m_nAlign = Choice(m_pAlign);
    m_nWidth = width;
    m_nHeight = height;
    m_crBackground = m_pBackground->m_crColor;
    m_strBackImage = CText::FromQ(m_pBackImage->text());
    m_nImageMode = Choice(m_pImageMode);
    m_nImageX = x;
    m_nImageY = y;
    m_strBackAudio = CText::FromQ(m_pBackAudio->text());
    return true;
}

// The name goes into the model as soon as its box loses the focus (the tree
// renames its root from the editor's notice), once the page's input passes.
// A box that loses the focus because its page is being hidden is stored by
// the page's own store that follows.
void CDlgAppletParam::StoreName()
{
    if (!isVisible() || !ControlsToData())
        return;
    CAppletSettings applet = Ctx().Params();
    applet.m_strName = m_strName;
    const StoreGuard guard;
    Ctx().editor.SetAppletSettings(applet, QStringLiteral("Applet Name"));
}

bool CDlgAppletParam::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pName && event->type() == QEvent::FocusOut
        && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        StoreName();
    return CPropertyPage::eventFilter(watched, event);
}

void CDlgAppletParam::Browse(QLineEdit* box, const QString& filter)
{
    const QString path = Ctx().prompts.OpenFileName(this, QStringLiteral("Open"), filter, box->text());
    if (!path.isEmpty())
        box->setText(path);
}
