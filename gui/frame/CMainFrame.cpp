// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <functional>
#include <new>

#include "CFrameActions.h"
#include "CKeyIndicators.h"
#include "CLinkReport.h"
#include "CMenuImportFlow.h"
#include "CNativeWindowKeeper.h"
#include "CWindowPlacement.h"
#include "CWizardInfoView.h"
#include "core/import/CMenuImport.h"
#include "core/settings/CAppSettings.h"
#include "editor/CAppletTavelinWizardDoc.h"
#include "editor/CBrowserLauncher.h"
#include "editor/CModelEditor.h"
#include "editor/CPreview.h"
#include "editor/CText.h"
#include "editor/IUserPrompts.h"
#include "gui/dialogs/CAboutDlg.h"
#include "gui/dialogs/CDlgAutoSave.h"
#include "gui/dialogs/CDlgExportHtml5.h"
#include "gui/dialogs/CDlgHtml.h"
#include "gui/dialogs/CDlgManageTemplates.h"
#include "gui/dialogs/CDlgNewMenu.h"
#include "gui/dialogs/CDlgSaveTemplate.h"
#include "gui/dialogs/CDlgWebBrowser.h"
#include "gui/props/CPropertyFrame.h"
#include "gui/tree/CAppletTavelinWizardView.h"
#include "gui/tree/CHistoryFollower.h"
#include "gui/tree/CTreeFinder.h"
#include "gui/widgets/CHelpSystem.h"
#ifdef ATW_WITH_WEBENGINE
#include "gui/preview/CLivePreviewPane.h"
#endif

CMainFrame::CMainFrame(const CEditorContext& context, CAppletTavelinWizardDoc* doc, CHelpSystem* help, QWidget* parent)
    : QMainWindow(parent), m_ctx(context), m_pDoc(doc), m_pHelp(help)
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
    ConnectImportAndFind();
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
    m_pTreeView = new CAppletTavelinWizardView(m_ctx, m_wndSplitter);
    m_pHistory = new CHistoryFollower(m_ctx.editor, *m_pTreeView, this);
    m_pInfoView = new CWizardInfoView(m_wndSplitter);
    m_wndSplitter->addWidget(m_pTreeView);
    m_wndSplitter->addWidget(m_pInfoView);
    m_wndSplitter->setStretchFactor(0, 0);
    m_wndSplitter->setStretchFactor(1, 1);
    setCentralWidget(m_wndSplitter);
    if (m_pDoc)
        m_pDoc->SetHost(this);
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
    m_pFileMenu = menuBar()->addMenu(tr("&File"));
    add(m_pFileMenu, {A::FileNew, A::FileOpen, A::FileSave, A::FileSaveAs, A::SaveAsTemplate, A::ExportHtml5,
                      A::ImportMenu, 0, A::FileMru});
    m_pRecentSeparator = m_pFileMenu->addSeparator();
    add(m_pFileMenu, {A::AppExit});
    add(menuBar()->addMenu(tr("&Edit")),
        {A::EditUndo, A::EditRedo, 0, A::EditCut, A::EditCopy, A::EditPaste, 0, A::EditFind, A::EditFindNext});
    QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
    add(viewMenu, {A::ViewToolbar, A::ViewStatusBar});
    CreateLivePreview(viewMenu);
    add(menuBar()->addMenu(tr("&Menu")),
        {A::Insert, A::Delete, A::Visible, 0, A::MoveUp, A::MoveDown, 0, A::ImportItems, 0, A::Property});
    add(menuBar()->addMenu(tr("&Build")),
        {A::CheckParameters, A::CheckLinks, A::BuildHtml, 0, A::Preview, A::ClearMessage});
    add(menuBar()->addMenu(tr("&Options")),
        {A::WebBrowser, A::Template, 0, A::AutoChangeSize, A::Html5Runtime, A::AutoSave});
    add(menuBar()->addMenu(tr("&Help")),
        {A::HelpTopics, A::GettingStarted, A::SearchHelp, A::ViewSample, 0, A::Faq, 0, A::About});
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
}

// The Live Preview pane beside the tree, and its View menu entry; without
// the browser engine the entry points to Preview.
void CMainFrame::CreateLivePreview(QMenu* viewMenu)
{
#ifdef ATW_WITH_WEBENGINE
    m_pLivePreview = new CLivePreviewPane(m_ctx.editor, m_ctx.fileSystem, m_ctx.settings, m_ctx.programDir,
                                          CPreview::PreviewFolder(m_ctx), this);
    addDockWidget(Qt::RightDockWidgetArea, m_pLivePreview);
    m_pPlaceKeeper = new CNativeWindowKeeper(*this);  // the pane's view remakes the native window
    resizeDocks({m_pLivePreview}, {CLivePreviewPane::kPhoneWidth + 60}, Qt::Horizontal);
    viewMenu->addAction(m_pLivePreview->toggleViewAction());
    CAppletTavelinWizardView* view = m_pTreeView;
    connect(m_pLivePreview, &CLivePreviewPane::ItemClicked, view, [view](CTavelinItem* item) {
        if (QTreeWidgetItem* node = view->NodeOf(item))
            view->setCurrentItem(node);
    });
    connect(view, &QTreeWidget::currentItemChanged, m_pLivePreview,
            [this, view](QTreeWidgetItem* node) { m_pLivePreview->MarkItem(view->ItemOf(node)); });
    connect(m_pLivePreview, &CLivePreviewPane::StatusMessage, statusBar(),
            [this](const QString& text) { statusBar()->showMessage(text, text.isEmpty() ? 0 : 5000); });
    m_pLivePreview->setVisible(CLivePreviewPane::Remembered(m_ctx.settings));
#else
    QAction* entry = viewMenu->addAction(tr("&Live Preview (not in this build: use Build > Preview)"));
    entry->setObjectName(QStringLiteral("livePreviewMissing"));
    entry->setEnabled(false);
    entry->setStatusTip(tr("This build has no browser engine: Preview shows the page in your browser"));
#endif
}

void CMainFrame::CreateToolBar()
{
    using A = CFrameActions;
    m_wndToolBar = new QToolBar(tr("Toolbar"), this);
    m_wndToolBar->setObjectName(QStringLiteral("wndToolBar"));
    m_wndToolBar->setIconSize(QSize(16, 16));
    for (int id : std::initializer_list<int>{A::FileNew, A::FileOpen, A::FileSave, 0, A::EditCut, A::EditCopy,
                                             A::EditPaste, 0, A::EditUndo, A::EditRedo, 0, A::Insert, A::Delete,
                                             A::MoveUp, A::MoveDown, A::Property, 0, A::BuildHtml, A::Preview}) {
        if (id == 0)
            m_wndToolBar->addSeparator();
        else
            m_wndToolBar->addAction(Action(id));
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);

    QAction* toolbar = Action(A::ViewToolbar);
    toolbar->setChecked(true);
    connect(toolbar, &QAction::toggled, m_wndToolBar, &QToolBar::setVisible);
    connect(m_wndToolBar, &QToolBar::visibilityChanged, toolbar,
            [this, toolbar](bool) { toolbar->setChecked(!m_wndToolBar->isHidden()); });
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("wndStatusBar"));
    // Shown while no command prompt is: the status tips of menu entries and
    // tool buttons are temporary messages that hide it.
    m_pPromptPane = new QLabel(tr("For Help, press F1"), bar);
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
    // The check of a large project takes a moment, and asks nothing.
    connect(Action(A::CheckParameters), &QAction::triggered, doc, [doc] {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
        doc->OnCheckParameters();
    });
    wire(A::Preview, &CAppletTavelinWizardDoc::OnPreview);
    wire(A::ClearMessage, &CAppletTavelinWizardDoc::OnClearMessage);
    wire(A::AutoChangeSize, &CAppletTavelinWizardDoc::OnAutoChangeSize);
    wire(A::ViewSample, &CAppletTavelinWizardDoc::OnViewSample);
    wire(A::Html5Runtime, &CAppletTavelinWizardDoc::OnHtml5Runtime);
    connect(doc, &CAppletTavelinWizardDoc::Html5RuntimeChanged, this, &CMainFrame::UpdateCommandStates);
    connect(Action(A::AppExit), &QAction::triggered, this, &QWidget::close);
    connect(Action(A::About), &QAction::triggered, this, &CMainFrame::OnAppAbout);
    connect(Action(A::SaveAsTemplate), &QAction::triggered, this, &CMainFrame::OnFileSaveAsTemplate);
    connect(Action(A::BuildHtml), &QAction::triggered, this, &CMainFrame::OnBuildHtml);
    connect(Action(A::ExportHtml5), &QAction::triggered, this, &CMainFrame::OnExportHtml5);
    connect(Action(A::WebBrowser), &QAction::triggered, this, &CMainFrame::OnWebBrowser);
    connect(Action(A::AutoSave), &QAction::triggered, this, &CMainFrame::OnAutoSaveOptions);
    connect(Action(A::Template), &QAction::triggered, this, &CMainFrame::OnManageTemplates);
    connect(doc, &CAppletTavelinWizardDoc::MessagesChanged, this, [this](const QString& text) {
        m_pInfoView->Messages()->setFont(m_pTreeView->font());
        m_pInfoView->SetMessageText(text);
    });
    connect(doc, &CAppletTavelinWizardDoc::ReportItemsShown, this,
            [this](const std::vector<const CTavelinItem*>& items) {
                if (m_pLinkReport)
                    m_pLinkReport->SetLineItems(items);
            });
    connect(doc, &CAppletTavelinWizardDoc::MessageAppended, this,
            [this](const QString& line) { m_pInfoView->Messages()->appendPlainText(line); });
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
    QUndoStack& history = m_ctx.editor.History();
    connect(Action(A::EditUndo), &QAction::triggered, this, [this] { StepHistory(true); });
    connect(Action(A::EditRedo), &QAction::triggered, this, [this] { StepHistory(false); });
    connect(&history, &QUndoStack::indexChanged, this, &CMainFrame::UpdateCommandStates);
    connect(&history, &QUndoStack::undoTextChanged, this, &CMainFrame::UpdateHistoryTexts);
    connect(&history, &QUndoStack::redoTextChanged, this, &CMainFrame::UpdateHistoryTexts);
    connect(view, &CAppletTavelinWizardView::CommandStateChanged, this, &CMainFrame::UpdateCommandStates);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CMainFrame::UpdateCommandStates);
    connect(Action(A::NextPane), &QAction::triggered, this, [this] { SwitchPane(true); });
    connect(Action(A::PrevPane), &QAction::triggered, this, [this] { SwitchPane(false); });
    view->AddContextActions(
        {Action(A::EditCut), Action(A::EditCopy), Action(A::EditPaste), nullptr, Action(A::ImportItems)});
}

void CMainFrame::ConnectHelp()
{
    using A = CFrameActions;
    CHelpSystem* help = m_pHelp;
    if (!help)
        return;
    auto wire = [this, help](int id, auto function) {
        connect(Action(id), &QAction::triggered, this, [this, help, function] { function(*help, this); });
    };
    wire(A::HelpTopics, [](CHelpSystem& h, QWidget* owner) { h.ShowContents(owner); });
    wire(A::SearchHelp, [](CHelpSystem& h, QWidget* owner) { h.ShowIndex(owner); });
    wire(A::Help, [](CHelpSystem& h, QWidget* owner) { h.ShowForFocus(owner); });
    wire(A::ContextHelp, [](CHelpSystem& h, QWidget* owner) { h.EnterContextHelpMode(owner); });
    wire(A::GettingStarted, [](CHelpSystem& h, QWidget* owner) { h.ShowTopic(owner, CHelpSystem::kGettingStarted); });
    wire(A::Faq, [](CHelpSystem& h, QWidget* owner) { h.ShowTopic(owner, CHelpSystem::kFaq); });
}

// Import, link check and find: helpers that are handed what they use.
void CMainFrame::ConnectImportAndFind()
{
    using A = CFrameActions;
    m_pImport = new CMenuImportFlow(this, m_ctx.prompts, m_ctx.fileSystem, m_ctx.editor);
    m_pLinkReport = new CLinkReport(*m_pInfoView->Messages(), m_ctx.prompts, m_ctx.fileSystem);
    m_pFinder = new CTreeFinder(*m_pTreeView, m_ctx.editor, m_ctx.prompts);
    // A source too large for the memory left is told; it never ends the program.
    const auto guarded = [this](const std::function<void()>& step) {
        try {
            step();
        } catch (const std::bad_alloc&) {
            m_ctx.prompts.Message(this, CAppletTavelinWizardDoc::NotEnoughMemory(
                                            tr("%1 could not be imported").arg(m_pImport->LastSource())));
        }
    };
    connect(Action(A::ImportMenu), &QAction::triggered, this, [this, guarded] {
        guarded([this] {
            CImportNode root;
            if (m_pDoc && m_pDoc->SaveModified() && m_pImport->ReadSource(root, CMenuImport::kMaxLevels, QString()) &&
                m_pDoc->NewFromImport(root, m_pImport->LastSource()))
                ShowImportNotes();
        });
    });
    connect(Action(A::ImportItems), &QAction::triggered, this, [this, guarded] {
        guarded([this] {
            const QString page = m_pDoc ? m_pDoc->PathName() : QString();
            if (!m_pImport->ImportItemsUnder(*m_pTreeView, page))
                return;
            if (m_pDoc && page.isEmpty())
                m_pDoc->ItemsImportedFrom(m_pImport->LastSource(), m_pImport->LastItems());
            ShowImportNotes();
        });
    });
    connect(Action(A::CheckLinks), &QAction::triggered, this, [this] {
        if (CPropertyFrame* frame = m_pTreeView->PropertyFrame(); frame && frame->isVisible())
            frame->CommitActivePage();
        m_pLinkReport->Run(m_ctx.Params(), m_pDoc ? m_pDoc->PathName() : QString());
    });
    connect(m_pLinkReport, &CLinkReport::ItemActivated, this, [this](const CTavelinItem* item) {
        if (QTreeWidgetItem* node = m_pTreeView->NodeOf(item)) {
            m_pTreeView->setCurrentItem(node);
            m_pTreeView->scrollToItem(node);
            m_pTreeView->setFocus();
        }
    });
    connect(Action(A::EditFind), &QAction::triggered, m_pFinder, &CTreeFinder::Find);
    connect(Action(A::EditFindNext), &QAction::triggered, m_pFinder, &CTreeFinder::FindNext);
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
    const QUndoStack& history = m_ctx.editor.History();
    Action(A::EditUndo)->setEnabled(history.canUndo());
    Action(A::EditRedo)->setEnabled(history.canRedo());
    Action(A::AutoChangeSize)->setChecked(m_pDoc && m_pDoc->m_bAutoChangeSize);
    Action(A::Html5Runtime)->setChecked(CAppSettings(m_ctx.settings).Html5Runtime());
    Action(A::ViewToolbar)->setChecked(!m_wndToolBar->isHidden());
    Action(A::ViewStatusBar)->setChecked(!statusBar()->isHidden());
}

// Input not yet stored on the property page becomes a step of its own
// first, so that undo takes back what the user did last. The tree then
// selects what the step changed.
void CMainFrame::StepHistory(bool undo)
{
    CPropertyFrame* frame = m_pTreeView ? m_pTreeView->PropertyFrame() : nullptr;
    if (frame && frame->isVisible())
        frame->CommitActivePage();
    QTreeWidgetItem* node = m_pHistory->Step(undo);
    if (node && m_pTreeView)
        m_pTreeView->setCurrentItem(node);
}

// "Undo Delete", "Redo Paste": the menu names the step.
void CMainFrame::UpdateHistoryTexts()
{
    using A = CFrameActions;
    const QUndoStack& history = m_ctx.editor.History();
    const auto name = [](const QString& verb, const QString& step) {
        return step.isEmpty() ? verb : tr("%1 %2", "the verb (Undo, Redo) and the step it takes back").arg(verb, step);
    };
    Action(A::EditUndo)
        ->setText(QStringLiteral("&") + name(tr("Undo"), history.undoText()) + QStringLiteral("\tCtrl+Z"));
    Action(A::EditRedo)
        ->setText(QStringLiteral("&") + name(tr("Redo"), history.redoText()) + QStringLiteral("\tCtrl+Y"));
    Action(A::EditUndo)->setToolTip(name(tr("Undo"), history.undoText()));
    Action(A::EditRedo)->setToolTip(name(tr("Redo"), history.redoText()));
}

void CMainFrame::UpdateTitle()
{
    const QString name = m_pDoc ? m_pDoc->Title() : tr("Untitled");
    setWindowTitle(name + tr("[*] - Applet Tavelina Wizard"));
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

// F6 goes round the tree, the message list and the property window (when it
// is shown); Shift+F6 the other way.
void CMainFrame::SwitchPane(bool forward)
{
    CPropertyFrame* frame = m_pTreeView->PropertyFrame();
    const bool withFrame = frame && frame->isVisible();
    const int count = withFrame ? 3 : 2;
    int current = 0;
    if (withFrame && frame->isActiveWindow())
        current = 2;
    else if (m_pInfoView->Messages()->hasFocus())
        current = 1;
    const int next = (current + (forward ? 1 : count - 1)) % count;
    if (next == 2) {
        frame->TakeFocus();
        return;
    }
    raise();
    activateWindow();
    QWidget* target = next == 0 ? static_cast<QWidget*>(m_pTreeView) : m_pInfoView->Messages();
    target->setFocus(Qt::ShortcutFocusReason);
}

void CMainFrame::InitialShowWindow(int showCmd)
{
    const CAppSettings settings(m_ctx.settings);
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
    RestoreDockLayout();
}

// The Live Preview pane goes back where the user left it: docked on a side
// or floating, at its size. The layout record also holds the toolbar, which
// is shown as it always is; whether the pane shows is its own setting.
void CMainFrame::RestoreDockLayout()
{
#ifdef ATW_WITH_WEBENGINE
    if (!m_pLivePreview)
        return;
    const QByteArray layout = QByteArray::fromBase64(
        QByteArray::fromStdString(CAppSettings(m_ctx.settings).GetText(CAppSettings::kLivePreviewDock)));
    if (layout.isEmpty())
        return;
    const bool toolBar = !m_wndToolBar->isHidden();
    const bool pane = CLivePreviewPane::Remembered(m_ctx.settings);
    restoreState(layout, kDockLayoutVersion);
    m_wndToolBar->setVisible(toolBar);
    m_pLivePreview->setVisible(pane);
#endif
}

void CMainFrame::SaveFrameSettings()
{
    CAppSettings settings(m_ctx.settings);
    settings.SetWindowPos(CText::FromQ(CWindowPlacement::Of(*this).Format()));
    settings.SetTreeHeight(m_pTreeView->height());
    settings.SetTreeWidth(m_pTreeView->width());
    settings.SetAutoChangeSize(m_pDoc && m_pDoc->m_bAutoChangeSize);
    if (m_pLivePreview)
        settings.SetText(CAppSettings::kLivePreviewDock, saveState(kDockLayoutVersion).toBase64().toStdString());
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

// --- the document's host ------------------------------------------------------

QWidget* CMainFrame::DialogOwner() const
{
    return const_cast<CMainFrame*>(this);
}

bool CMainFrame::CommitPendingInput()
{
    CPropertyFrame* frame = m_pTreeView->PropertyFrame();
    return !frame || !frame->isVisible() || frame->CommitActivePage();
}

void CMainFrame::ForgetPendingInput()
{
    if (CPropertyFrame* frame = m_pTreeView->PropertyFrame())
        frame->ForgetSheet();
}

std::optional<int> CMainFrame::ChooseTemplate()
{
    CDlgNewMenu dialog(m_ctx, this);
    if (m_ctx.prompts.Exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.m_nSelected;
}

// --- commands with dialogs of their own ------------------------------------------

void CMainFrame::OnAppAbout()
{
    CAboutDlg dialog(m_ctx.prompts, this);
    m_ctx.prompts.Exec(dialog);
}

// The template is the project with the input still on the property page,
// as Save writes it; refused input shows no dialog.
void CMainFrame::OnFileSaveAsTemplate()
{
    if (!CommitPendingInput())
        return;
    CDlgSaveTemplate dialog(m_ctx, this);
    if (m_ctx.prompts.Exec(dialog) == QDialog::Accepted)
        m_pDoc->SaveAsTemplate(dialog.m_strTemplateName, dialog.m_nSelected);
}

void CMainFrame::OnBuildHtml()
{
    m_pDoc->OnCheckParameters();
    CDlgHtml dialog(this);
    dialog.SetHtml(m_pDoc->PageText());
    m_ctx.prompts.Exec(dialog);
}

// File > Export HTML5 Menu...: the page, or only the menu to paste into a
// page; the choice is kept for the next export. The project's own page is
// refused (Save would write over the export, the export over the page): the
// dialog comes back until another name is chosen or it is cancelled.
void CMainFrame::OnExportHtml5()
{
    const QString project = m_pDoc->PathName();
    CDlgExportHtml5 dialog(this, m_bExportFragment);
    dialog.ProposeFor(project);
    QString path;
    for (;;) {
        if (m_ctx.prompts.Exec(dialog) != QDialog::Accepted)
            return;
        path = dialog.PagePath();
        if (!CDlgExportHtml5::IsProjectPage(path, project))
            break;
        m_ctx.prompts.Message(this, tr("\"%1\" is the project's own page, which Save writes. "
                                       "Please choose another name for the HTML5 menu.")
                                        .arg(QFileInfo(path).fileName()));
    }
    m_bExportFragment = dialog.Fragment();
    m_pDoc->ExportHtml5(path, m_bExportFragment);
}

void CMainFrame::OnWebBrowser()
{
    CDlgWebBrowser::Choose(m_ctx.prompts, m_ctx.browser, this);
}

void CMainFrame::OnManageTemplates()
{
    CDlgManageTemplates dialog(m_ctx, this);
    m_ctx.prompts.Exec(dialog);
}

void CMainFrame::ShowImportNotes()
{
    for (const QString& note : m_pImport->LastNotes())
        m_pInfoView->Messages()->appendPlainText(QStringLiteral("Warning:\t\t") + note);
}

void CMainFrame::AutoSaveWritten(bool ok, const QString& folder)
{
    if (ok != m_bAutoSaveFailing)
        return;
    m_bAutoSaveFailing = !ok;
    m_pInfoView->Messages()->appendPlainText(
        ok ? tr("Autosave writes its recovery copies again.")
           : tr("Warning:\t\tUnsaved changes could not be autosaved: the recovery folder %1 cannot be "
                "written. Save your work to keep it.")
                 .arg(QDir::toNativeSeparators(folder)));
}

// Options > AutoSave...: how often a recovery copy of unsaved work is written.
void CMainFrame::OnAutoSaveOptions()
{
    CAppSettings settings(m_ctx.settings);
    CDlgAutoSave dialog(this);
    dialog.SetSeconds(settings.AutoSaveInterval());
    if (m_ctx.prompts.Exec(dialog) == QDialog::Accepted)
        settings.SetAutoSaveInterval(dialog.Seconds());
}
