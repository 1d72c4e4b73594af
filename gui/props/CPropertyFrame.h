// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "editor/CEditorContext.h"

class CAppletPropertySheet;
class CItemPropertySheet;
class CMenuPropertySheet;
class CPropertySheet;
class CTavelin;
class CTavelinItem;

// The floating property window (a Qt::Tool window owned by the main window).
// It holds the applet, menu and item sheets, of which one shows at a time,
// and edits the object that the tree view selected. The tree view creates it
// on the first Property command and decides what it shows. It stays above
// its main window also when that window's native window is made anew (as
// the Live Preview's browser engine does when it first shows). From the
// keyboard: Escape asks to go back to the tree. (F6 and Shift+F6 are the main
// window's: its keys also work while this tool window is active.)
class CPropertyFrame : public QWidget {
    Q_OBJECT
public:
    enum class Sheet { Applet, Menu, Item };

    CPropertyFrame(const CEditorContext& context, QWidget* owner);
    ~CPropertyFrame() override;

    // Stores the shown sheet's active page, sets the caption, swaps in sheet
    // (laid out afresh when it changes), makes object and menu the current
    // item and menu (both null for the applet), then loads the active page.
    void ShowSheet(Sheet sheet, const QString& caption, CTavelinItem* object, CTavelin* menu);
    // The close box: hides the frame, then stores the active page.
    void CloseFrame();
    // Stores the active page's values before a save or a check; the page
    // stays active. False when its input was refused.
    bool CommitActivePage();
    // Raises the window, makes it active and puts the focus on the active
    // page's first control.
    void TakeFocus();
    // Reloads the active applet page (after the check set the applet size).
    void ReloadAppletPage();
    // A new or opened model: hides the shown sheet and forgets it, dropping
    // input not yet stored.
    void ForgetSheet();
    bool ShowsSheet(Sheet sheet) const;
    bool HasSheet() const;

    CPropertySheet* SheetOf(Sheet sheet) const;
    CPropertySheet* CurrentSheet() const { return m_pCurrentSheet; }

signals:
    // A mode button asked for the other sheet of the shown item.
    void SheetModeSwitched();
    void ReturnAsked();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceBelowOwner(QWidget* owner);
    void KeepAboveOwner();
    void CreateKeys();
    void FollowEditor();
    // Reloads the shown sheet's active page when sheet is shown.
    void ReloadIfShown(CPropertySheet* sheet);

    CEditorContext m_ctx;
    QWidget* m_pOwner = nullptr;  // the main window
    CPropertySheet* m_pCurrentSheet = nullptr;
    CAppletPropertySheet* m_pAppletSheet = nullptr;
    CMenuPropertySheet* m_pMenuSheet = nullptr;
    CItemPropertySheet* m_pItemSheet = nullptr;
};
