// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QStringList>
#include <vector>

#include "core/import/CImportNode.h"

class CAppletTavelinWizardView;
class CModelEditor;
class CTavelinItem;
class IFileSystem;
class IUserPrompts;
class QWidget;

// File > Import Menu... and Menu > Import Items...: asks for a page, a
// sitemap or an outline, lets the user pick the list of a page that holds
// several, and reads it. Every refusal is a message; what the source held
// that the menu leaves out is kept for the message list. The model changes only
// through the model editor, all imported items in one step.
class CMenuImportFlow : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kFilter = QT_TRANSLATE_NOOP(
        "CMenuImportFlow",
        "Menus (*.htm *.html *.xhtml *.xml *.xml.gz *.txt *.md *.markdown *.yml);;HTML Files (*.htm *.html *.xhtml);;"
        "Sitemaps (*.xml *.xml.gz);;Outlines (*.txt *.md *.markdown);;MkDocs (*.yml *.yaml);;All Files (*)");

    CMenuImportFlow(QWidget* owner, IUserPrompts& prompts, IFileSystem& fs, CModelEditor& editor);

    // Asks for the source and reads it into root; false when cancelled or
    // refused (after the message). maxLevels: levels of items still allowed;
    // page: the page the items go into ("" when not saved yet), from which
    // a page's links are made to lead where they led from the source.
    bool ReadSource(CImportNode& root, int maxLevels, const QString& page, const QString& caption = QString());
    // Reads path without asking for it. caption names the dialogs (Import
    // Menu when empty).
    bool ReadFile(const QString& path, CImportNode& root, int maxLevels, const QString& page,
                  const QString& caption = QString());
    // Menu > Import Items...: the items go to the front of the selected
    // top-level menu or item (a new top-level menu when the root is
    // selected) of the project of page, as one step "Import"; the first of
    // them is selected.
    bool ImportItemsUnder(CAppletTavelinWizardView& view, const QString& page);
    // The file read last.
    QString LastSource() const { return m_strLastSource; }
    // The items the last Import Items put into the model, without those below them.
    const std::vector<const CTavelinItem*>& LastItems() const { return m_lastItems; }
    // What the last source read held and the menu leaves out, one line each
    // (empty when nothing was left out or nothing was read).
    const QStringList& LastNotes() const { return m_lastNotes; }

private:
    QWidget* m_pOwner;
    IUserPrompts& m_prompts;
    IFileSystem& m_fs;
    CModelEditor& m_editor;
    QString m_strLastSource;
    std::vector<const CTavelinItem*> m_lastItems;
    QStringList m_lastNotes;
};
