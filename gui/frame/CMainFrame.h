// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

#include "core/settings/CAppSettings.h"
#include "editor/CEditorContext.h"
#include "editor/IDocumentHost.h"

class CAppletTavelinWizardDoc;
class CAppletTavelinWizardView;
class CFrameActions;
class CHelpSystem;
class CHistoryFollower;
class CKeyIndicators;
class CLinkReport;
class CMenuImportFlow;
class CTreeFinder;
class CLivePreviewPane;
class CNativeWindowKeeper;
class CWizardInfoView;
class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QToolBar;

// The main window: menu bar, tool bar, status bar (prompt pane and the CAP,
// NUM and SCRL panes) and a splitter with the menu tree above and the
// warning message list below. It restores its placement at start-up and, on
// close, stores placement, tree pane size and Auto-Change Menu Size before
// the document asks whether to save. It is the document's host: it owns the
// dialogs the document needs and the property frame's pending input.
class CMainFrame : public QMainWindow, public IDocumentHost {
    Q_OBJECT
public:
    static constexpr int kDefaultTreeSize = CAppSettings::kTreeHeight.intDefault;
    static constexpr int kDockLayoutVersion = 1;  // of the layout record the frame keeps

    // help may be null (no help commands then).
    CMainFrame(const CEditorContext& context, CAppletTavelinWizardDoc* doc, CHelpSystem* help,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Shows the window at the stored placement; a show command other than
    // 1 (normal) replaces the stored one.
    void InitialShowWindow(int showCmd);

    QAction* Action(int id) const;
    CAppletTavelinWizardView* TreeView() const { return m_pTreeView; }
    CWizardInfoView* InfoView() const { return m_pInfoView; }
    QSplitter* Splitter() const { return m_wndSplitter; }
    QToolBar* ToolBar() const { return m_wndToolBar; }
    QMenu* RecentFileMenu() const { return m_pFileMenu; }
    QLabel* PromptPane() const { return m_pPromptPane; }
    CKeyIndicators* KeyIndicators() const { return m_pIndicators; }
    CMenuImportFlow* ImportCommand() const { return m_pImport; }
    CLinkReport* LinkReport() const { return m_pLinkReport; }
    CTreeFinder* Finder() const { return m_pFinder; }
    // Null in a build without the browser engine.
    CLivePreviewPane* LivePreview() const { return m_pLivePreview; }

    // IDocumentHost
    QWidget* DialogOwner() const override;
    bool CommitPendingInput() override;
    void ForgetPendingInput() override;
    std::optional<int> ChooseTemplate() override;

public slots:
    // Enable and check states of the commands that have rules.
    void UpdateCommandStates();
    void UpdateTitle();
    void UpdateRecentFiles();
    void OnAppAbout();
    void OnFileSaveAsTemplate();
    void OnBuildHtml();
    void OnWebBrowser();
    void OnExportHtml5();
    void OnAutoSaveOptions();
    void OnManageTemplates();
    // A recovery copy was written (ok) or could not be, into folder: the
    // message list says so when that changes, so that nobody trusts a copy
    // that is not there.
    void AutoSaveWritten(bool ok, const QString& folder);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    // What the source of the last import left out, added to the message list.
    void ShowImportNotes();
    void CreateLivePreview(QMenu* viewMenu);
    void CreateToolBar();
    void CreateStatusBar();
    void CreateClient();
    void ConnectDocument();
    void ConnectTreeView();
    void ConnectHelp();
    void ConnectImportAndFind();
    void SaveFrameSettings();
    void RestoreDockLayout();
    void SwitchPane(bool forward);
    void StepHistory(bool undo);
    void UpdateHistoryTexts();

    CEditorContext m_ctx;
    CAppletTavelinWizardDoc* m_pDoc = nullptr;
    CHelpSystem* m_pHelp = nullptr;
    CFrameActions* m_pActions = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    QSplitter* m_wndSplitter = nullptr;
    CAppletTavelinWizardView* m_pTreeView = nullptr;
    CWizardInfoView* m_pInfoView = nullptr;
    CHistoryFollower* m_pHistory = nullptr;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    QLabel* m_pPromptPane = nullptr;
    CKeyIndicators* m_pIndicators = nullptr;
    CMenuImportFlow* m_pImport = nullptr;
    CLinkReport* m_pLinkReport = nullptr;
    CTreeFinder* m_pFinder = nullptr;
    CLivePreviewPane* m_pLivePreview = nullptr;
    CNativeWindowKeeper* m_pPlaceKeeper = nullptr;
    bool m_bExportFragment = false;   // the export dialog's last choice
    bool m_bAutoSaveFailing = false;  // the last recovery copy could not be written
};
