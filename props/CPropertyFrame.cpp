#include "CPropertyFrame.h"

#include <QCloseEvent>

#include "CAppletPropertySheet.h"
#include "CItemPropertySheet.h"
#include "CMenuPropertySheet.h"
#include "CPropertyPage.h"
#include "app/CAppletTavelinWizardApp.h"
#include "app/CModelEditor.h"

CPropertyFrame::CPropertyFrame(QWidget* owner)
    : QWidget(owner, Qt::Tool),
      m_pAppletSheet(new CAppletPropertySheet(this)),
      m_pMenuSheet(new CMenuPropertySheet(this)),
      m_pItemSheet(new CItemPropertySheet(this))
{
    setWindowTitle(QStringLiteral("Property Sheet"));
    // Every page of every sheet gets the same area.
    QSize pageSize;
    for (CPropertySheet* sheet : {static_cast<CPropertySheet*>(m_pAppletSheet),
                                  static_cast<CPropertySheet*>(m_pMenuSheet),
                                  static_cast<CPropertySheet*>(m_pItemSheet)})
        pageSize = pageSize.expandedTo(sheet->LargestPageHint());
    for (CPropertySheet* sheet : {static_cast<CPropertySheet*>(m_pAppletSheet),
                                  static_cast<CPropertySheet*>(m_pMenuSheet),
                                  static_cast<CPropertySheet*>(m_pItemSheet)}) {
        sheet->LayOut(pageSize);
        sheet->hide();
    }
    PlaceBelowOwner(owner);
    FollowEditor();
}

CPropertyFrame::~CPropertyFrame() = default;

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
    theApp().m_pCurrentItem = object;
    theApp().m_pCurrentMenu = object ? menu : nullptr;
    target->ActivateActivePage();
    m_pCurrentSheet = target;
}

// A frame that is already hidden stored its page when it was hidden.
void CPropertyFrame::CloseFrame()
{
    const bool wasShown = !isHidden();
    hide();
    if (wasShown && m_pCurrentSheet)
        m_pCurrentSheet->DeactivateActivePage();
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
    CModelEditor& editor = theApp().Editor();
    connect(&editor, &CModelEditor::AppletChanged, this, [this] { ReloadIfShown(m_pAppletSheet); });
    connect(&editor, &CModelEditor::ItemChanged, this, [this](CTavelinItem* item) {
        if (item == theApp().m_pCurrentItem)
            ReloadIfShown(m_pItemSheet);
    });
    connect(&editor, &CModelEditor::ItemsChanged, this, [this] { ReloadIfShown(m_pItemSheet); });
    connect(&editor, &CModelEditor::MenuStyleChanged, this, [this](CTavelin* menu) {
        if (menu == theApp().m_pCurrentMenu)
            ReloadIfShown(m_pMenuSheet);
    });
    connect(&editor, &CModelEditor::ItemAboutToBeRemoved, this,
            [this](CTavelin*, CTavelinItem* item) { DropCurrentInside(item->m_pSubMenu.get(), item); });
    connect(&editor, &CModelEditor::TopMenuAboutToBeRemoved, this,
            [this](CTavelin* menu) { DropCurrentInside(menu, nullptr); });
}

void CPropertyFrame::ReloadIfShown(CPropertySheet* sheet)
{
    if (m_pCurrentSheet == sheet && !isHidden() && !CPropertyPage::IsStoring() && sheet->ActivePage()->IsStale())
        sheet->ActivePage()->LoadFromModel();
}

void CPropertyFrame::DropCurrentInside(const CTavelin* menu, const CTavelinItem* item)
{
    CAppletTavelinWizardApp& app = theApp();
    const bool inside = app.m_pCurrentItem
                        && (app.m_pCurrentItem == item || CAppletParameters::FindMenuOfItem(menu, app.m_pCurrentItem));
    if (!inside)
        return;
    app.m_pCurrentItem = nullptr;
    app.m_pCurrentMenu = nullptr;
}
