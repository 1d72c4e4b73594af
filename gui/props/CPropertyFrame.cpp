// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CPropertyFrame.h"

#include <QCloseEvent>
#include <QPlatformSurfaceEvent>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include "CAppletPropertySheet.h"
#include "CItemPropertySheet.h"
#include "CMenuPropertySheet.h"
#include "CPropertyPage.h"
#include "editor/CModelEditor.h"
#include "editor/CSelection.h"

CPropertyFrame::CPropertyFrame(const CEditorContext& context, QWidget* owner)
    : QWidget(owner, Qt::Tool), m_ctx(context), m_pOwner(owner ? owner->window() : nullptr),
      m_pAppletSheet(new CAppletPropertySheet(context, this)), m_pMenuSheet(new CMenuPropertySheet(context, this)),
      m_pItemSheet(new CItemPropertySheet(context, this))
{
    setWindowTitle(tr("Property Sheet"));
    // Following the tree's selection never takes the keyboard from the tree.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Every page of every sheet gets the same area.
    QSize pageSize;
    for (CPropertySheet* sheet :
         {static_cast<CPropertySheet*>(m_pAppletSheet), static_cast<CPropertySheet*>(m_pMenuSheet),
          static_cast<CPropertySheet*>(m_pItemSheet)})
        pageSize = pageSize.expandedTo(sheet->LargestPageHint());
    for (CPropertySheet* sheet :
         {static_cast<CPropertySheet*>(m_pAppletSheet), static_cast<CPropertySheet*>(m_pMenuSheet),
          static_cast<CPropertySheet*>(m_pItemSheet)}) {
        sheet->LayOut(pageSize);
        sheet->hide();
        connect(sheet, &CPropertySheet::SheetModeSwitched, this, &CPropertyFrame::SheetModeSwitched);
    }
    PlaceBelowOwner(owner);
    FollowEditor();
    CreateKeys();
    if (m_pOwner)
        m_pOwner->installEventFilter(this);
    KeepAboveOwner();
}

CPropertyFrame::~CPropertyFrame() = default;

void CPropertyFrame::CreateKeys()
{
    auto* back = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(back, &QShortcut::activated, this, &CPropertyFrame::ReturnAsked);
}

// A native window made anew (a browser engine switching the main window's
// surface makes it again) forgets the windows that were kept above the old
// one. Once it is there, the frame names it as its parent window again and,
// when shown, shows itself again so that the window system learns of it.
bool CPropertyFrame::eventFilter(QObject* watched, QEvent* event)
{
    const bool made =
        (watched == m_pOwner && event->type() == QEvent::WinIdChange) ||
        (m_pOwner && watched == m_pOwner->windowHandle() && event->type() == QEvent::PlatformSurface &&
         static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() == QPlatformSurfaceEvent::SurfaceCreated);
    if (made)
        QTimer::singleShot(0, this, [this] {
            KeepAboveOwner();
            if (isVisible()) {
                hide();
                show();
            }
        });
    return QWidget::eventFilter(watched, event);
}

void CPropertyFrame::showEvent(QShowEvent* event)
{
    KeepAboveOwner();
    QWidget::showEvent(event);
}

void CPropertyFrame::KeepAboveOwner()
{
    QWindow* own = windowHandle();
    QWindow* owner = m_pOwner ? m_pOwner->windowHandle() : nullptr;
    if (owner)
        owner->installEventFilter(this);
    if (own && owner && own->transientParent() != owner)
        own->setTransientParent(owner);
}

// The control that last had the focus on the active page keeps it.
void CPropertyFrame::TakeFocus()
{
    raise();
    activateWindow();
    if (!m_pCurrentSheet)
        return;
    QWidget* last = focusWidget();
    if (!last || !m_pCurrentSheet->ActivePage()->isAncestorOf(last))
        m_pCurrentSheet->FocusActivePage();
    else
        last->setFocus(Qt::ShortcutFocusReason);
}

// The frame starts a quarter across and two thirds down the main window; its
// size comes with the first sheet.
void CPropertyFrame::PlaceBelowOwner(QWidget* owner)
{
    if (!owner)
        return;
    const QRect r = owner->window()->frameGeometry();
    move(r.left() + r.width() / 4, r.top() + 2 * r.height() / 3);
}

CPropertySheet* CPropertyFrame::SheetOf(Sheet sheet) const
{
    switch (sheet) {
    case Sheet::Applet: return m_pAppletSheet;
    case Sheet::Menu: return m_pMenuSheet;
    case Sheet::Item: return m_pItemSheet;
    }
    return nullptr;
}

void CPropertyFrame::ShowSheet(Sheet sheet, const QString& caption, CTavelinItem* object, CTavelin* menu)
{
    // The edits of the previous object go into it while the current pointers
    // still name it; a refused input is dropped.
    if (m_pCurrentSheet)
        m_pCurrentSheet->DeactivateActivePage();
    setWindowTitle(caption);
    CPropertySheet* target = SheetOf(sheet);
    if (target != m_pCurrentSheet) {
        m_pAppletSheet->hide();
        m_pMenuSheet->hide();
        m_pItemSheet->hide();
        setFixedSize(target->size());
        target->move(0, 0);
        target->show();
    }
    m_ctx.selection.Set(object, menu);
    target->ActivateActivePage();
    m_pCurrentSheet = target;
}

// A frame that is already hidden stored its page when it was hidden. Input
// refused on the way out is dropped: the page shows the model's values again,
// so the refusal is not met a second time when the frame comes back.
void CPropertyFrame::CloseFrame()
{
    const bool wasShown = !isHidden();
    hide();
    if (wasShown && m_pCurrentSheet && !m_pCurrentSheet->DeactivateActivePage())
        m_pCurrentSheet->ActivePage()->LoadFromModel();
}

bool CPropertyFrame::CommitActivePage()
{
    if (!m_pCurrentSheet || isHidden())
        return true;
    return m_pCurrentSheet->DeactivateActivePage();
}

void CPropertyFrame::ReloadAppletPage()
{
    if (m_pCurrentSheet == m_pAppletSheet && !isHidden())
        m_pAppletSheet->ActivePage()->LoadFromModel();
}

void CPropertyFrame::ForgetSheet()
{
    if (m_pCurrentSheet)
        m_pCurrentSheet->hide();
    m_pCurrentSheet = nullptr;
}

bool CPropertyFrame::ShowsSheet(Sheet sheet) const
{
    return m_pCurrentSheet && m_pCurrentSheet == SheetOf(sheet);
}

bool CPropertyFrame::HasSheet() const
{
    return m_pCurrentSheet != nullptr;
}

void CPropertyFrame::closeEvent(QCloseEvent* event)
{
    event->ignore();
    CloseFrame();
}

// Changes made elsewhere to what the active page shows (undo, redo, the
// check's applet size) appear on it at once, so that leaving the page does not
// write the old values back; changes to other values keep the page's input.
// Objects about to be deleted stop being current before the page could store
// into them.
void CPropertyFrame::FollowEditor()
{
    CModelEditor& editor = m_ctx.editor;
    connect(&editor, &CModelEditor::AppletChanged, this, [this] { ReloadIfShown(m_pAppletSheet); });
    connect(&editor, &CModelEditor::ItemChanged, this, [this](CTavelinItem* item) {
        if (item == m_ctx.selection.Item())
            ReloadIfShown(m_pItemSheet);
    });
    connect(&editor, &CModelEditor::ItemsChanged, this, [this] { ReloadIfShown(m_pItemSheet); });
    connect(&editor, &CModelEditor::MenuStyleChanged, this, [this](CTavelin* menu) {
        if (menu == m_ctx.selection.Menu())
            ReloadIfShown(m_pMenuSheet);
    });
    connect(&editor, &CModelEditor::ItemAboutToBeRemoved, this,
            [this](CTavelin*, CTavelinItem* item) { m_ctx.selection.DropInside(item->m_pSubMenu.get(), item); });
    connect(&editor, &CModelEditor::TopMenuAboutToBeRemoved, this,
            [this](CTavelin* menu) { m_ctx.selection.DropInside(menu, nullptr); });
}

void CPropertyFrame::ReloadIfShown(CPropertySheet* sheet)
{
    if (m_pCurrentSheet == sheet && !isHidden() && sheet->ActivePage()->IsStale())
        sheet->ActivePage()->LoadFromModel();
}
