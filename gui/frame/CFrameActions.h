// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QAction;
class QWidget;

// Every command of the main window as a QAction: menu text (with its
// mnemonic and, after a tab, the key text), keys, picture, status prompt and
// tool-tip (the command's string "prompt\ntooltip"). The frame lays them
// into the menu bar and the tool bar and connects them.
class CFrameActions : public QObject {
    Q_OBJECT
public:
    enum Command : int {
        FileNew = 57600,
        FileOpen = 57601,
        FileSave = 57603,
        FileSaveAs = 57604,
        SaveAsTemplate = 32780,
        FileMru = 57616,
        AppExit = 57665,
        EditUndo = 57643,
        EditRedo = 57644,
        EditCut = 57635,
        EditCopy = 57634,
        EditPaste = 57637,
        ViewToolbar = 59392,
        ViewStatusBar = 59393,
        Insert = 32772,
        Delete = 32773,
        Visible = 32783,
        MoveUp = 32784,
        MoveDown = 32785,
        Property = 32771,
        CheckParameters = 32776,
        BuildHtml = 32777,
        Preview = 32775,
        ClearMessage = 32778,
        WebBrowser = 32781,
        Template = 32782,
        AutoChangeSize = 32786,
        HelpTopics = 57667,
        GettingStarted = 32793,
        SearchHelp = 32792,
        ViewSample = 32794,
        Faq = 32790,
        About = 57664,
        Help = 57670,
        ContextHelp = 57669,
        NextPane = 57680,
        PrevPane = 57681,
        ExportHtml5 = 32800,
        Html5Runtime = 32801,
        ImportMenu = 32802,
        ImportItems = 32803,
        CheckLinks = 32804,
        EditFind = 32805,
        EditFindNext = 32806,
        AutoSave = 32807
    };

    explicit CFrameActions(QWidget* owner);

    QAction* Action(int id) const { return m_actions.value(id); }
    // The command's string: the status prompt, "\n", the tool-tip.
    static QString CommandString(int id);
    static QString Prompt(int id);
    static QString ToolTip(int id);
    // Commands whose keys belong to the main window and its tree only.
    static bool IsTreeCommand(int id);

private:
    QHash<int, QAction*> m_actions;
};
