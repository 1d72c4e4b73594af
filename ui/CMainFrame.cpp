#include "CMainFrame.h"

#include "props/CPropertyFrame.h"

#include "templates/CAppSettings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

#include "CAppletTavelinWizardView.h"
#include "CFrameActions.h"
#include "CKeyIndicators.h"
#include "CWindowPlacement.h"
#include "CWizardInfoView.h"
#include "app/CAppletTavelinWizardApp.h"
#include "app/CAppletTavelinWizardDoc.h"
#include "app/CHelpSystem.h"
#include "app/CModelEditor.h"
#include "app/CText.h"

CMainFrame::CMainFrame(CAppletTavelinWizardDoc* doc, QWidget* parent) : QMainWindow(parent), m_pDoc(doc)
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowIcon(QIcon(QStringLiteral(":/app/applettavelinwizard.svg")));
    resize(760, 560);
    m_pActions = new CFrameActions(this);
    CreateClient();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    ConnectDocument();
    ConnectTreeView();
    ConnectHelp();
    UpdateRecentFiles();
    UpdateTitle();
    UpdateCommandStates();
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::Action(int id) const
{
    return m_pActions->Action(id);
}

void CMainFrame::CreateClient()
{
    m_wndSplitter = new QSplitter(Qt::Vertical, this);
    m_wndSplitter->setObjectName(QStringLiteral("wndSplitter"));
    m_wndSplitter->setChildrenCollapsible(true);
    // The tree view first, the message view second: the document knows them
    // in this order from the start.
    m_pTreeView = new CAppletTavelinWizardView(m_wndSplitter);
    m_pInfoView = new CWizardInfoView(m_wndSplitter);
    m_wndSplitter->addWidget(m_pTreeView);
    m_wndSplitter->addWidget(m_pInfoView);
    m_wndSplitter->setStretchFactor(0, 0);
    m_wndSplitter->setStretchFactor(1, 1);
    setCentralWidget(m_wndSplitter);
    if (m_pDoc)
        m_pDoc->SetViews(m_pTreeView, m_pInfoView);
    m_pTreeView->SetDocument(m_pDoc);
    m_pTreeView->setFocus();
}

void CMainFrame::CreateMenus()
{
    using A = CFrameActions;
    auto add = [this](QMenu* menu, std::initializer_list<int> ids) {
        for (int id : ids) {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(Action(id));
        }
    };
    m_pFileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    add(m_pFileMenu, {A::FileNew, A::FileOpen, A::FileSave, A::FileSaveAs, A::SaveAsTemplate, A::ExportHtml5, 0,
                        A::FileMru});
    m_pRecentSeparator = m_pFileMenu->addSeparator();
    add(m_pFileMenu, {A::AppExit});
    add(menuBar()->addMenu(QStringLiteral("&Edit")), {A::EditUndo, A::EditRedo, 0, A::EditCut, A::EditCopy,
                                                      A::EditPaste});
    add(menuBar()->addMenu(QStringLiteral("&View")), {A::ViewToolbar, A::ViewStatusBar});
    add(menuBar()->addMenu(QStringLiteral("&Menu")),
        {A::Insert, A::Delete, A::Visible, 0, A::MoveUp, A::MoveDown, 0, A::Property});
    add(menuBar()->addMenu(QStringLiteral("&Build")), {A::CheckParameters, A::BuildHtml, 0, A::Preview,
                                                       A::ClearMessage});
    add(menuBar()->addMenu(QStringLiteral("&Options")), {A::WebBrowser, A::Template, 0, A::AutoChangeSize,
                                                         A::Html5Runtime, A::AutoSave});
    add(menuBar()->addMenu(QStringLiteral("&Help")), {A::HelpTopics, A::GettingStarted, A::SearchHelp,
                                                      A::ViewSample, 0, A::Faq, 0, A::About});
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
}

void CMainFrame::CreateToolBar()
{
    using A = CFrameActions;
    m_wndToolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_wndToolBar->setObjectName(QStringLiteral("wndToolBar"));
    m_wndToolBar->setIconSize(QSize(16, 16));
    for (int id : std::initializer_list<int>{A::FileNew, A::FileOpen, A::FileSave, 0, A::EditCut, A::EditCopy, A::EditPaste, 0, A::EditUndo, A::EditRedo, 0, A::Insert,
                   A::Delete, A::MoveUp, A::MoveDown, A::Property, 0, A::BuildHtml, A::Preview}) {
        if (id == 0)
            m_wndToolBar->addSeparator();
        else
            m_wndToolBar->addAction(Action(id));
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);

    QAction* toolbar = Action(A::ViewToolbar);
    toolbar->setChecked(true);
    connect(toolbar, &QAction::toggled, m_wndToolBar, &QToolBar::setVisible);
    connect(m_wndToolBar, &QToolBar::visibilityChanged, toolbar, [this, toolbar](bool) {
        toolbar->setChecked(!m_wndToolBar->isHidden());
    });
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("wndStatusBar"));
    // Shown while no command prompt is: the status tips of menu entries and
    // tool buttons are temporary messages that hide it.
    m_pPromptPane = new QLabel(QStringLiteral("For Help, press F1"), bar);
    m_pPromptPane->setObjectName(QStringLiteral("promptPane"));
    bar->addWidget(m_pPromptPane, 1);
    m_pIndicators = new CKeyIndicators(bar);

    QAction* status = Action(CFrameActions::ViewStatusBar);
    status->setChecked(true);
    connect(status, &QAction::toggled, bar, &QStatusBar::setVisible);
}

void CMainFrame::ConnectDocument()
{
    using A = CFrameActions;
    CAppletTavelinWizardDoc* doc = m_pDoc;
    if (!doc)
        return;
    auto wire = [this, doc](int id, auto slot) {
        connect(Action(id), &QAction::triggered, doc, [doc, slot] { (doc->*slot)(); });
    };
    wire(A::FileNew, &CAppletTavelinWizardDoc::OnFileNew);
    wire(A::FileOpen, &CAppletTavelinWizardDoc::OnFileOpen);
    wire(A::FileSave, &CAppletTavelinWizardDoc::OnFileSave);
    wire(A::FileSaveAs, &CAppletTavelinWizardDoc::OnFileSaveAs);
    wire(A::SaveAsTemplate, &CAppletTavelinWizardDoc::OnFileSaveAsTemplate);
    wire(A::CheckParameters, &CAppletTavelinWizardDoc::OnCheckParameters);
    wire(A::BuildHtml, &CAppletTavelinWizardDoc::OnBuildHtml);
    wire(A::Preview, &CAppletTavelinWizardDoc::OnPreview);
    wire(A::ClearMessage, &CAppletTavelinWizardDoc::OnClearMessage);
    wire(A::WebBrowser, &CAppletTavelinWizardDoc::OnWebBrowser);
    wire(A::Template, &CAppletTavelinWizardDoc::OnManageTemplates);
    wire(A::AutoChangeSize, &CAppletTavelinWizardDoc::OnAutoChangeSize);
    wire(A::ViewSample, &CAppletTavelinWizardDoc::OnViewSample);
    wire(A::ExportHtml5, &CAppletTavelinWizardDoc::OnExportHtml5);
    wire(A::Html5Runtime, &CAppletTavelinWizardDoc::OnHtml5Runtime);
    wire(A::AutoSave, &CAppletTavelinWizardDoc::OnAutoSaveOptions);
    connect(doc, &CAppletTavelinWizardDoc::Html5RuntimeChanged, this, &CMainFrame::UpdateCommandStates);
    connect(Action(A::AppExit), &QAction::triggered, this, &QWidget::close);
    connect(Action(A::About), &QAction::triggered, &theApp(), &CAppletTavelinWizardApp::OnAppAbout);
    connect(doc, &CAppletTavelinWizardDoc::TitleChanged, this, &CMainFrame::UpdateTitle);
    connect(doc, &CAppletTavelinWizardDoc::ModifiedChanged, this, &CMainFrame::UpdateTitle);
    connect(doc, &CAppletTavelinWizardDoc::RecentFilesChanged, this, &CMainFrame::UpdateRecentFiles);
    connect(doc, &CAppletTavelinWizardDoc::AutoChangeSizeChanged, this, &CMainFrame::UpdateCommandStates);
}

void CMainFrame::ConnectTreeView()
{
    using A = CFrameActions;
    CAppletTavelinWizardView* view = m_pTreeView;
    auto wire = [this, view](int id, void (CAppletTavelinWizardView::*slot)()) {
        connect(Action(id), &QAction::triggered, view, slot);
    };
    wire(A::EditCut, &CAppletTavelinWizardView::OnEditCut);
    wire(A::EditCopy, &CAppletTavelinWizardView::OnEditCopy);
    wire(A::EditPaste, &CAppletTavelinWizardView::OnEditPaste);
    wire(A::Insert, &CAppletTavelinWizardView::OnInsert);
    wire(A::Delete, &CAppletTavelinWizardView::OnDelete);
    wire(A::Visible, &CAppletTavelinWizardView::OnVisible);
    wire(A::MoveUp, &CAppletTavelinWizardView::OnMoveUp);
    wire(A::MoveDown, &CAppletTavelinWizardView::OnMoveDown);
    wire(A::Property, &CAppletTavelinWizardView::OnProperty);
    // Undo and redo step through the model editor's history.
    QUndoStack& history = theApp().Editor().History();
    connect(Action(A::EditUndo), &QAction::triggered, this, [this] { StepHistory(true); });
    connect(Action(A::EditRedo), &QAction::triggered, this, [this] { StepHistory(false); });
    connect(&history, &QUndoStack::indexChanged, this, &CMainFrame::UpdateCommandStates);
    connect(&history, &QUndoStack::undoTextChanged, this, &CMainFrame::UpdateHistoryTexts);
    connect(&history, &QUndoStack::redoTextChanged, this, &CMainFrame::UpdateHistoryTexts);
    connect(view, &CAppletTavelinWizardView::CommandStateChanged, this, &CMainFrame::UpdateCommandStates);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CMainFrame::UpdateCommandStates);
    connect(Action(A::NextPane), &QAction::triggered, this, &CMainFrame::SwitchPane);
    connect(Action(A::PrevPane), &QAction::triggered, this, &CMainFrame::SwitchPane);
}

void CMainFrame::ConnectHelp()
{
    using A = CFrameActions;
    auto wire = [this](int id, auto function) {
        connect(Action(id), &QAction::triggered, this, [this, function] { function(this); });
    };
    wire(A::HelpTopics, &CHelpSystem::ShowContents);
    wire(A::SearchHelp, &CHelpSystem::ShowIndex);
    wire(A::Help, &CHelpSystem::ShowForFocus);
    wire(A::ContextHelp, &CHelpSystem::EnterContextHelpMode);
    wire(A::GettingStarted, [](QWidget* owner) { CHelpSystem::ShowTopic(owner, CHelpSystem::kGettingStarted); });
    wire(A::Faq, [](QWidget* owner) { CHelpSystem::ShowTopic(owner, CHelpSystem::kFaq); });
}

void CMainFrame::UpdateCommandStates()
{
    using A = CFrameActions;
    const CAppletTavelinWizardView* view = m_pTreeView;
    Action(A::Property)->setEnabled(view->CanProperty());
    Action(A::Visible)->setEnabled(view->CanVisible());
    Action(A::Visible)->setChecked(view->CanVisible() && view->IsVisibleChecked());
    Action(A::MoveUp)->setEnabled(view->CanMove());
    Action(A::MoveDown)->setEnabled(view->CanMove());
    Action(A::EditCut)->setEnabled(view->CanCutCopy());
    Action(A::EditCopy)->setEnabled(view->CanCutCopy());
    Action(A::EditPaste)->setEnabled(view->CanPaste());
    const QUndoStack& history = theApp().Editor().History();
    Action(A::EditUndo)->setEnabled(history.canUndo());
    Action(A::EditRedo)->setEnabled(history.canRedo());
    Action(A::AutoChangeSize)->setChecked(m_pDoc && m_pDoc->m_bAutoChangeSize);
    Action(A::Html5Runtime)->setChecked(CAppSettings(theApp().Settings()).Html5Runtime());
    Action(A::ViewToolbar)->setChecked(!m_wndToolBar->isHidden());
    Action(A::ViewStatusBar)->setChecked(!statusBar()->isHidden());
}

// Input not yet stored on the property page becomes a step of its own
// first, so that undo takes back what the user did last.
void CMainFrame::StepHistory(bool undo)
{
    CPropertyFrame* frame = m_pTreeView ? m_pTreeView->PropertyFrame() : nullptr;
    if (frame && frame->isVisible())
        frame->CommitActivePage();
    QUndoStack& history = theApp().Editor().History();
    undo ? history.undo() : history.redo();
}

// "Undo Delete", "Redo Paste": the menu names the step.
void CMainFrame::UpdateHistoryTexts()
{
    using A = CFrameActions;
    const QUndoStack& history = theApp().Editor().History();
    const auto name = [](const QString& verb, const QString& step) {
        return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step;
    };
    Action(A::EditUndo)->setText(QStringLiteral("&") + name(tr("Undo"), history.undoText()) +
                                 QStringLiteral("\tCtrl+Z"));
    Action(A::EditRedo)->setText(QStringLiteral("&") + name(tr("Redo"), history.redoText()) +
                                 QStringLiteral("\tCtrl+Y"));
    Action(A::EditUndo)->setToolTip(name(tr("Undo"), history.undoText()));
    Action(A::EditRedo)->setToolTip(name(tr("Redo"), history.redoText()));
}

void CMainFrame::UpdateTitle()
{
    const QString name = m_pDoc ? m_pDoc->Title() : QStringLiteral("Untitled");
    setWindowTitle(name + QStringLiteral("[*] - Applet Tavelina Wizard"));
    setWindowModified(m_pDoc && m_pDoc->IsModified());
}

void CMainFrame::UpdateRecentFiles()
{
    for (QAction* action : m_recentActions)
        delete action;
    m_recentActions.clear();
    const QStringList files = m_pDoc ? m_pDoc->RecentFiles() : QStringList();
    QAction* placeholder = Action(CFrameActions::FileMru);
    placeholder->setVisible(files.isEmpty());
    placeholder->setEnabled(false);
    for (int i = 0; i < files.size(); ++i) {
        QString shown = files[i];
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), m_pFileMenu);
        action->setStatusTip(CFrameActions::Prompt(CFrameActions::FileMru));
        action->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        m_pFileMenu->insertAction(m_pRecentSeparator, action);
        connect(action, &QAction::triggered, this, [this, i] {
            if (m_pDoc)
                m_pDoc->OnOpenRecentFile(i);
        });
        m_recentActions << action;
    }
}

void CMainFrame::SwitchPane()
{
    QWidget* edit = m_pInfoView->Messages();
    if (m_pTreeView->hasFocus())
        edit->setFocus(Qt::OtherFocusReason);
    else
        m_pTreeView->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::InitialShowWindow(int showCmd)
{
    const CAppSettings settings(theApp().Settings());
    const int treeHeight = settings.TreeHeight();
    const auto placement = CWindowPlacement::Parse(CText::ToQ(settings.WindowPos()));
    if (placement)
        placement->Apply(*this, static_cast<unsigned>(showCmd));
    else if (showCmd == CWindowPlacement::ShowMaximized)
        showMaximized();
    else if (showCmd == CWindowPlacement::ShowMinimized)
        showMinimized();
    else
        show();
    const int total = m_wndSplitter->height() - m_wndSplitter->handleWidth();
    const int tree = qMax(0, treeHeight);
    m_wndSplitter->setSizes({tree, qMax(0, total - tree)});
}

void CMainFrame::SaveFrameSettings()
{
    CAppSettings settings(theApp().Settings());
    settings.SetWindowPos(CText::FromQ(CWindowPlacement::Of(*this).Format()));
    settings.SetTreeHeight(m_pTreeView->height());
    settings.SetTreeWidth(m_pTreeView->width());
    settings.SetAutoChangeSize(m_pDoc && m_pDoc->m_bAutoChangeSize);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The frame's values are stored first, so that they are kept even when
    // the user then cancels the save question.
    SaveFrameSettings();
    if (m_pDoc && !m_pDoc->SaveModified()) {
        event->ignore();
        return;
    }
    event->accept();
}
