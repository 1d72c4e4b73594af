// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CFrameActions.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QWidget>

#include "gui/widgets/CDeferredIconEngine.h"

namespace {

struct CommandDef {
    int id;
    const char* text;
    const char* keys;    // ";" between several key sequences
    const char* string;  // "prompt\ntooltip"
    const char* icon;
    bool checkable;
    // The platform's keys for the command, put before keys, where Qt knows them.
    QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
};

// Menu texts, keys and strings of every command of the main window; the
// texts and strings are translated where they are used (CFrameActions::tr).
const CommandDef kCommands[] = {
    {CFrameActions::FileNew, QT_TRANSLATE_NOOP("CFrameActions", "&New Tavelina...\tCtrl+N"), "Ctrl+N",
     QT_TRANSLATE_NOOP("CFrameActions", "Create a new Tavelina from templates list\nNew"), "new", false},
    {CFrameActions::FileOpen, QT_TRANSLATE_NOOP("CFrameActions", "&Open...\tCtrl+O"), "Ctrl+O",
     QT_TRANSLATE_NOOP("CFrameActions", "Open an previous saved Tavelina\nOpen"), "open", false},
    {CFrameActions::FileSave, QT_TRANSLATE_NOOP("CFrameActions", "&Save\tCtrl+S"), "Ctrl+S",
     QT_TRANSLATE_NOOP("CFrameActions", "Save an opend Tavelina using the same file name\nSave"), "save", false},
    {CFrameActions::FileSaveAs, QT_TRANSLATE_NOOP("CFrameActions", "Save &As...\tCtrl+Shift+S"), "Ctrl+Shift+S",
     QT_TRANSLATE_NOOP("CFrameActions", "Save an opened Tavelina  to a specified file name\nSave As"), nullptr, false,
     QKeySequence::SaveAs},
    {CFrameActions::SaveAsTemplate, QT_TRANSLATE_NOOP("CFrameActions", "Save As &Template..."), "",
     QT_TRANSLATE_NOOP("CFrameActions", "Save an opened Tavelina as a template\nSave As Template"), nullptr, false},
    {CFrameActions::ExportHtml5, QT_TRANSLATE_NOOP("CFrameActions", "&Export HTML5 Menu..."), "",
     QT_TRANSLATE_NOOP("CFrameActions",
                       "Write the menu as a page that today's browsers show without the applet\nExport HTML5 Menu"),
     nullptr, false},
    // Import, link check and find.
    {CFrameActions::ImportMenu, QT_TRANSLATE_NOOP("CFrameActions", "&Import Menu..."), "",
     QT_TRANSLATE_NOOP("CFrameActions",
                       "Start a new Tavelina from a page's menu list, a sitemap or an outline\nImport Menu"),
     nullptr, false},
    {CFrameActions::ImportItems, QT_TRANSLATE_NOOP("CFrameActions", "Import I&tems..."), "",
     QT_TRANSLATE_NOOP("CFrameActions",
                       "Add items read from a page, a sitemap or an outline under the selection\nImport Items"),
     nullptr, false},
    {CFrameActions::CheckLinks, QT_TRANSLATE_NOOP("CFrameActions", "Check &Links"), "",
     QT_TRANSLATE_NOOP("CFrameActions",
                       "Check the items' links, images and sounds against the page's folder\nCheck Links"),
     nullptr, false},
    {CFrameActions::EditFind, QT_TRANSLATE_NOOP("CFrameActions", "&Find...\tCtrl+F"), "Ctrl+F",
     QT_TRANSLATE_NOOP("CFrameActions", "Find an item by its label, description or link\nFind"), nullptr, false},
    {CFrameActions::EditFindNext, QT_TRANSLATE_NOOP("CFrameActions", "Find &Next\tF3"), "F3",
     QT_TRANSLATE_NOOP("CFrameActions", "Find the next item that matches\nFind Next"), nullptr, false},
    {CFrameActions::FileMru, QT_TRANSLATE_NOOP("CFrameActions", "Recent File"), "",
     QT_TRANSLATE_NOOP("CFrameActions", "Open this document"), nullptr, false},
    {CFrameActions::AppExit, QT_TRANSLATE_NOOP("CFrameActions", "E&xit\tCtrl+Q"), "Ctrl+Q",
     QT_TRANSLATE_NOOP("CFrameActions", "Quit the application; prompts to save documents\nExit"), nullptr, false,
     QKeySequence::Quit},
    {CFrameActions::EditUndo, QT_TRANSLATE_NOOP("CFrameActions", "&Undo\tCtrl+Z"), "Ctrl+Z;Alt+Backspace",
     QT_TRANSLATE_NOOP("CFrameActions", "Undo the last action\nUndo"), "undo", false},
    {CFrameActions::EditRedo, QT_TRANSLATE_NOOP("CFrameActions", "&Redo\tCtrl+Y"), "Ctrl+Y;Ctrl+Shift+Z",
     QT_TRANSLATE_NOOP("CFrameActions", "Redo the previously undone action\nRedo"), "redo", false},
    {CFrameActions::EditCut, QT_TRANSLATE_NOOP("CFrameActions", "Cu&t\tCtrl+X"), "Ctrl+X;Shift+Del",
     QT_TRANSLATE_NOOP("CFrameActions", "Cut the selection and put it on the Clipboard\nCut"), "cut", false},
    {CFrameActions::EditCopy, QT_TRANSLATE_NOOP("CFrameActions", "&Copy\tCtrl+C"), "Ctrl+C;Ctrl+Ins",
     QT_TRANSLATE_NOOP("CFrameActions", "Copy the selection and put it on the Clipboard\nCopy"), "copy", false},
    {CFrameActions::EditPaste, QT_TRANSLATE_NOOP("CFrameActions", "&Paste\tCtrl+V"), "Ctrl+V;Shift+Ins",
     QT_TRANSLATE_NOOP("CFrameActions", "Insert Clipboard contents\nPaste"), "paste", false},
    {CFrameActions::ViewToolbar, QT_TRANSLATE_NOOP("CFrameActions", "&Toolbar"), "",
     QT_TRANSLATE_NOOP("CFrameActions", "Show or hide the toolbar\nToggle ToolBar"), nullptr, true},
    {CFrameActions::ViewStatusBar, QT_TRANSLATE_NOOP("CFrameActions", "&Status Bar"), "",
     QT_TRANSLATE_NOOP("CFrameActions", "Show or hide the status bar\nToggle StatusBar"), nullptr, true},
    {CFrameActions::Insert, QT_TRANSLATE_NOOP("CFrameActions", "&Insert Menu/Item\tIns"), "Ins",
     QT_TRANSLATE_NOOP("CFrameActions", "Insert a top-level Tavelina or a item into Tavelin\nInsert"), "insert", false},
    {CFrameActions::Delete, QT_TRANSLATE_NOOP("CFrameActions", "&Delete\tDel"), "Del",
     QT_TRANSLATE_NOOP("CFrameActions", "Delete a top-level Tavelina or a item\nDelete"), "delete", false},
    {CFrameActions::Visible, QT_TRANSLATE_NOOP("CFrameActions", "&Visible\tCtrl+H"), "Ctrl+H", "", nullptr, true},
    {CFrameActions::MoveUp, QT_TRANSLATE_NOOP("CFrameActions", "Move &Up\tAlt+Up"), "Alt+Up",
     QT_TRANSLATE_NOOP("CFrameActions", "Move item's position up\nMove Item Up"), "moveup", false},
    {CFrameActions::MoveDown, QT_TRANSLATE_NOOP("CFrameActions", "Move Do&wn\tAlt+Down"), "Alt+Down",
     QT_TRANSLATE_NOOP("CFrameActions", "Move item's position down\nMove Item Down"), "movedown", false},
    {CFrameActions::Property, QT_TRANSLATE_NOOP("CFrameActions", "&Property\tAlt+Enter"), "Alt+Return;Alt+Enter",
     QT_TRANSLATE_NOOP("CFrameActions", "Edit the current selection's properties\nProperty"), "property", false},
    {CFrameActions::CheckParameters, QT_TRANSLATE_NOOP("CFrameActions", "&Check Parameters"), "",
     QT_TRANSLATE_NOOP("CFrameActions", "Check if parameters are valid\nCheck Tavelina's parameters"), nullptr, false},
    {CFrameActions::BuildHtml, QT_TRANSLATE_NOOP("CFrameActions", "Build &HTML..."), "",
     QT_TRANSLATE_NOOP("CFrameActions", "Get HTML of current Tavelina\nHTML"), "buildhtml", false},
    {CFrameActions::Preview, QT_TRANSLATE_NOOP("CFrameActions", "&Preview\tCtrl+P"), "Ctrl+P",
     QT_TRANSLATE_NOOP("CFrameActions", "Preview current Tavelina\nPreview"), "preview", false},
    {CFrameActions::ClearMessage, QT_TRANSLATE_NOOP("CFrameActions", "Clear &Message"), "",
     QT_TRANSLATE_NOOP("CFrameActions", "Clear the warning message\nClear Message"), nullptr, false},
    {CFrameActions::WebBrowser, QT_TRANSLATE_NOOP("CFrameActions", "Web &Browser..."), "",
     QT_TRANSLATE_NOOP("CFrameActions", "Specify the web browser to preview Tavelin\nWeb Browser"), nullptr, false},
    {CFrameActions::Template, QT_TRANSLATE_NOOP("CFrameActions", "&Template...\tCtrl+T"), "Ctrl+T",
     QT_TRANSLATE_NOOP("CFrameActions", "Edit templates\nTemplate"), nullptr, false},
    {CFrameActions::AutoChangeSize, QT_TRANSLATE_NOOP("CFrameActions", "Auto-Change Menu Size"), "",
     QT_TRANSLATE_NOOP("CFrameActions", "Auto-Change menu size when preview and build HTML\nAuto-Change Size"), nullptr,
     true},
    {CFrameActions::Html5Runtime, QT_TRANSLATE_NOOP("CFrameActions", "HTML5 Menu &Runtime"), "",
     QT_TRANSLATE_NOOP("CFrameActions",
                       "Add the script that draws the menu in today's browsers to every page\nHTML5 Menu Runtime"),
     nullptr, true},
    {CFrameActions::AutoSave, QT_TRANSLATE_NOOP("CFrameActions", "Auto&Save..."), "",
     QT_TRANSLATE_NOOP("CFrameActions", "Set how often a recovery copy of unsaved changes is written\nAutoSave"),
     nullptr, false},
    {CFrameActions::HelpTopics, QT_TRANSLATE_NOOP("CFrameActions", "&Help Topics"), "",
     QT_TRANSLATE_NOOP("CFrameActions", "List Help topics\nHelp Topics"), nullptr, false},
    {CFrameActions::GettingStarted, QT_TRANSLATE_NOOP("CFrameActions", "&Getting Started"), "", "", nullptr, false},
    {CFrameActions::SearchHelp, QT_TRANSLATE_NOOP("CFrameActions", "&Search for Help on ..."), "", "", nullptr, false},
    {CFrameActions::ViewSample, QT_TRANSLATE_NOOP("CFrameActions", "&View Sample"), "", "", nullptr, false},
    {CFrameActions::Faq, QT_TRANSLATE_NOOP("CFrameActions", "&Frequently Asked Questions"), "", "", nullptr, false},
    {CFrameActions::About, QT_TRANSLATE_NOOP("CFrameActions", "&About..."), "",
     QT_TRANSLATE_NOOP("CFrameActions", "Display program information, version number and copyright\nAbout"), nullptr,
     false},
    {CFrameActions::Help, QT_TRANSLATE_NOOP("CFrameActions", "Help"), "F1",
     QT_TRANSLATE_NOOP("CFrameActions", "Display help for current task or command\nHelp"), nullptr, false},
    {CFrameActions::ContextHelp, QT_TRANSLATE_NOOP("CFrameActions", "Context Help"), "Shift+F1",
     QT_TRANSLATE_NOOP("CFrameActions", "Display help for clicked on buttons, menus and windows\nHelp"), nullptr,
     false},
    {CFrameActions::NextPane, QT_TRANSLATE_NOOP("CFrameActions", "Next Pane"), "F6", "", nullptr, false},
    {CFrameActions::PrevPane, QT_TRANSLATE_NOOP("CFrameActions", "Previous Pane"), "Shift+F6", "", nullptr, false},
};

const CommandDef* Find(int id)
{
    for (const CommandDef& def : kCommands) {
        if (def.id == id)
            return &def;
    }
    return nullptr;
}

}  // namespace

// The edit and tree commands act on the tree: their keys work only while the
// focus is in the main window (the property frame is a window of its own,
// where Ctrl+X, Del or Ctrl+Z belong to the focused box or button).
bool CFrameActions::IsTreeCommand(int id)
{
    switch (id) {
    case EditUndo:
    case EditRedo:
    case EditCut:
    case EditCopy:
    case EditPaste:
    case Insert:
    case Delete:
    case Visible:
    case MoveUp:
    case MoveDown:
    case Property:
    case EditFind:
    case EditFindNext: return true;
    default: return false;
    }
}

CFrameActions::CFrameActions(QWidget* owner) : QObject(owner)
{
    for (const CommandDef& def : kCommands) {
        auto* action = new QAction(tr(def.text), owner);
        action->setObjectName(QStringLiteral("command%1").arg(def.id));
        action->setData(def.id);
        QList<QKeySequence> keys;
        if (def.standard != QKeySequence::UnknownKey)
            keys = QKeySequence::keyBindings(def.standard);
        for (const QString& key : QString::fromLatin1(def.keys).split(u';', Qt::SkipEmptyParts))
            if (!keys.contains(QKeySequence(key)))
                keys << QKeySequence(key);
        action->setShortcuts(keys);
        action->setStatusTip(Prompt(def.id));
        if (!ToolTip(def.id).isEmpty())
            action->setToolTip(ToolTip(def.id));
        if (def.icon) {
            // Read when first drawn: reading a picture parses its file.
            const QString path = QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(def.icon));
            action->setIcon(QIcon(new CDeferredIconEngine([path] { return QIcon(path); })));
        }
        action->setCheckable(def.checkable);
        if (IsTreeCommand(def.id))
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        owner->addAction(action);
        m_actions.insert(def.id, action);
    }
}

QString CFrameActions::CommandString(int id)
{
    const CommandDef* def = Find(id);
    return def && *def->string ? tr(def->string) : QString();
}

QString CFrameActions::Prompt(int id)
{
    return CommandString(id).section(QLatin1Char('\n'), 0, 0);
}

QString CFrameActions::ToolTip(int id)
{
    return CommandString(id).section(QLatin1Char('\n'), 1, 1);
}
