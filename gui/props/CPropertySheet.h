// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <vector>

#include "editor/CEditorContext.h"

class CPropertyPage;
class QPushButton;
class QTabWidget;

// A tabbed sheet of property pages inside the property frame. Changing the tab
// stores the page that is left (a refused input keeps that page active) and
// loads the page that is entered. The menu and item sheets carry the two mode
// buttons "Menu" and "Item" right of their tabs.
class CPropertySheet : public QWidget {
    Q_OBJECT
public:
    static constexpr int kModeButtonSize = 50;

    explicit CPropertySheet(const CEditorContext& context, QWidget* parent = nullptr);

    int PageCount() const { return int(m_arrPages.size()); }
    CPropertyPage* Page(int index) const { return m_arrPages.at(size_t(index)); }
    CPropertyPage* ActivePage() const;
    int ActiveIndex() const { return m_nActive; }
    QTabWidget* Tabs() const { return m_pTabs; }
    // The mode buttons; null on the applet sheet.
    QPushButton* MenuButton() const { return m_pMenuButton; }
    QPushButton* ItemButton() const { return m_pItemButton; }

    // Loads the active page and gives it the focus.
    void ActivateActivePage();
    // Gives the focus to the active page's first control.
    void FocusActivePage();
    // Stores the active page; false when its input was refused.
    bool DeactivateActivePage();
    // Lays the sheet out around pages of the given size (every page of every
    // sheet has the same area).
    void LayOut(const QSize& pageSize);
    QSize LargestPageHint() const;

signals:
    // A mode button switched the selection's sheet mode: the other sheet is
    // to show the same item.
    void SheetModeSwitched();

protected:
    void AddPage(CPropertyPage* page);
    // itemSheet: the sheet that "Item" stands for (then "Item" is checked).
    void AddModeButtons(bool itemSheet);

private:
    void OnCurrentChanged(int index);
    // Shows the tab at index without storing or loading anything.
    void TurnTo(int index);
    QPushButton* MakeModeButton(const QString& name, const QString& picture, const QString& tip, bool checked,
                                bool itemMode);
    void FocusFirstControl(QWidget* page);

    CEditorContext m_ctx;
    QTabWidget* m_pTabs = nullptr;
    std::vector<CPropertyPage*> m_arrPages;
    int m_nActive = 0;
    bool m_bTurning = false;
    QPushButton* m_pMenuButton = nullptr;
    QPushButton* m_pItemButton = nullptr;
};
