// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CFrameActions.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QWidget>

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

// Menu texts, keys and strings of every command of the main window.
const CommandDef kCommands[] = {
    {CFrameActions::FileNew, "&New Tavelina...\tCtrl+N", "Ctrl+N", "Create a new Tavelina from templates list\nNew",
     "new", false},
    {CFrameActions::FileOpen, "&Open...\tCtrl+O", "Ctrl+O", "Open an previous saved Tavelina\nOpen", "open", false},
    {CFrameActions::FileSave, "&Save\tCtrl+S", "Ctrl+S", "Save an opend Tavelina using the same file name\nSave",
     "save", false},
    {CFrameActions::FileSaveAs, "Save &As...\tCtrl+Shift+S", "Ctrl+Shift+S",
     "Save an opened Tavelina  to a specified file name\nSave As", nullptr, false, QKeySequence::SaveAs},
    {CFrameActions::SaveAsTemplate, "Save As &Template...", "",
     "Save an opened Tavelina as a template\nSave As Template", nullptr, false},
    {CFrameActions::ExportHtml5, "&Export HTML5 Menu...", "",
     "Write the menu as a page that today's browsers show without the applet\nExport HTML5 Menu", nullptr, false},
    // Import, link check and find.
    {CFrameActions::ImportMenu, "&Import Menu...", "",
     "Start a new Tavelina from a page's menu list, a sitemap or an outline\nImport Menu", nullptr, false},
    {CFrameActions::ImportItems, "Import I&tems...", "",
     "Add items read from a page, a sitemap or an outline under the selection\nImport Items", nullptr, false},
    {CFrameActions::CheckLinks, "Check &Links", "",
     "Check the items' links, images and sounds against the page's folder\nCheck Links", nullptr, false},
    {CFrameActions::EditFind, "&Find...\tCtrl+F", "Ctrl+F", "Find an item by its label, description or link\nFind",
     nullptr, false},
    {CFrameActions::EditFindNext, "Find &Next\tF3", "F3", "Find the next item that matches\nFind Next", nullptr, false},
    {CFrameActions::FileMru, "Recent File", "", "Open this document", nullptr, false},
    {CFrameActions::AppExit, "E&xit\tCtrl+Q", "Ctrl+Q", "Quit the application; prompts to save documents\nExit",
     nullptr, false, QKeySequence::Quit},
    {CFrameActions::EditUndo, "&Undo\tCtrl+Z", "Ctrl+Z;Alt+Backspace", "Undo the last action\nUndo", "undo", false},
    {CFrameActions::EditRedo, "&Redo\tCtrl+Y", "Ctrl+Y;Ctrl+Shift+Z", "Redo the previously undone action\nRedo", "redo",
     false},
    {CFrameActions::EditCut, "Cu&t\tCtrl+X", "Ctrl+X;Shift+Del", "Cut the selection and put it on the Clipboard\nCut",
     "cut", false},
    {CFrameActions::EditCopy, "&Copy\tCtrl+C", "Ctrl+C;Ctrl+Ins",
     "Copy the selection and put it on the Clipboard\nCopy", "copy", false},
    {CFrameActions::EditPaste, "&Paste\tCtrl+V", "Ctrl+V;Shift+Ins", "Insert Clipboard contents\nPaste", "paste",
     false},
    {CFrameActions::ViewToolbar, "&Toolbar", "", "Show or hide the toolbar\nToggle ToolBar", nullptr, true},
    {CFrameActions::ViewStatusBar, "&Status Bar", "", "Show or hide the status bar\nToggle StatusBar", nullptr, true},
    {CFrameActions::Insert, "&Insert Menu/Item\tIns", "Ins",
     "Insert a top-level Tavelina or a item into Tavelin\nInsert", "insert", false},
    {CFrameActions::Delete, "&Delete\tDel", "Del", "Delete a top-level Tavelina or a item\nDelete", "delete", false},
    {CFrameActions::Visible, "&Visible\tCtrl+H", "Ctrl+H", "", nullptr, true},
    {CFrameActions::MoveUp, "Move &Up\tAlt+Up", "Alt+Up", "Move item's position up\nMove Item Up", "moveup", false},
    {CFrameActions::MoveDown, "Move Do&wn\tAlt+Down", "Alt+Down", "Move item's position down\nMove Item Down",
     "movedown", false},
    {CFrameActions::Property, "&Property\tAlt+Enter", "Alt+Return;Alt+Enter",
     "Edit the current selection's properties\nProperty", "property", false},
    {CFrameActions::CheckParameters, "&Check Parameters", "",
     "Check if parameters are valid\nCheck Tavelina's parameters", nullptr, false},
    {CFrameActions::BuildHtml, "Build &HTML...", "", "Get HTML of current Tavelina\nHTML", "buildhtml", false},
    {CFrameActions::Preview, "&Preview\tCtrl+P", "Ctrl+P", "Preview current Tavelina\nPreview", "preview", false},
    {CFrameActions::ClearMessage, "Clear &Message", "", "Clear the warning message\nClear Message", nullptr, false},
    {CFrameActions::WebBrowser, "Web &Browser...", "", "Specify the web browser to preview Tavelin\nWeb Browser",
     nullptr, false},
    {CFrameActions::Template, "&Template...\tCtrl+T", "Ctrl+T", "Edit templates\nTemplate", nullptr, false},
    {CFrameActions::AutoChangeSize, "Auto-Change Menu Size", "",
     "Auto-Change menu size when preview and build HTML\nAuto-Change Size", nullptr, true},
    {CFrameActions::Html5Runtime, "HTML5 Menu &Runtime", "",
     "Add the script that draws the menu in today's browsers to every page\nHTML5 Menu Runtime", nullptr, true},
    {CFrameActions::AutoSave, "Auto&Save...", "",
     "Set how often a recovery copy of unsaved changes is written\nAutoSave", nullptr, false},
    {CFrameActions::HelpTopics, "&Help Topics", "", "List Help topics\nHelp Topics", nullptr, false},
    {CFrameActions::GettingStarted, "&Getting Started", "", "", nullptr, false},
    {CFrameActions::SearchHelp, "&Search for Help on ...", "", "", nullptr, false},
    {CFrameActions::ViewSample, "&View Sample", "", "", nullptr, false},
    {CFrameActions::Faq, "&Frequently Asked Questions", "", "", nullptr, false},
    {CFrameActions::About, "&About...", "", "Display program information, version number and copyright\nAbout", nullptr,
     false},
    {CFrameActions::Help, "Help", "F1", "Display help for current task or command\nHelp", nullptr, false},
    {CFrameActions::ContextHelp, "Context Help", "Shift+F1",
     "Display help for clicked on buttons, menus and windows\nHelp", nullptr, false},
    {CFrameActions::NextPane, "Next Pane", "F6", "", nullptr, false},
    {CFrameActions::PrevPane, "Previous Pane", "Shift+F6", "", nullptr, false},
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
        auto* action = new QAction(QString::fromLatin1(def.text), owner);
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
        if (def.icon)
            action->setIcon(QIcon(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(def.icon))));
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
    return def ? QString::fromLatin1(def->string) : QString();
}

QString CFrameActions::Prompt(int id)
{
    return CommandString(id).section(QLatin1Char('\n'), 0, 0);
}

QString CFrameActions::ToolTip(int id)
{
    return CommandString(id).section(QLatin1Char('\n'), 1, 1);
}
