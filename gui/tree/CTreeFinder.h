// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class CAppletTavelinWizardView;
class CItemSearch;
class CModelEditor;
class CTavelinItem;
class IUserPrompts;

// Edit > Find (Ctrl+F) and Find Next (F3): the next item after the selected
// one, in tree order and around the end, whose label, description or link
// holds the text, ignoring case; it is selected and scrolled into view. The
// search runs on an index of the model's texts, built at the first search
// after the model changed, so a big tree costs no walk over its nodes.
class CTreeFinder : public QObject {
    Q_OBJECT
public:
    CTreeFinder(CAppletTavelinWizardView& view, CModelEditor& editor, IUserPrompts& prompts);
    ~CTreeFinder() override;

    // Asks for the text, then finds the next match.
    void Find();
    // Again with the last text; asks for one when there is none yet.
    void FindNext();
    // Finds and selects without asking; null (after the message) when nothing matches.
    const CTavelinItem* FindText(const QString& text);
    const QString& LastText() const { return m_strText; }

private:
    CAppletTavelinWizardView& m_view;
    CModelEditor& m_editor;
    IUserPrompts& m_prompts;
    QString m_strText;
    std::unique_ptr<CItemSearch> m_pIndex;  // null after a change
};
