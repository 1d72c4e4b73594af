// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CPropertySheet.h"

#include <QIcon>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "CPropertyPage.h"
#include "editor/CSelection.h"

namespace {
constexpr int kMargin = 6;
constexpr int kModeTop = 25;
}  // namespace

CPropertySheet::CPropertySheet(const CEditorContext& context, QWidget* parent)
    : QWidget(parent), m_ctx(context), m_pTabs(new QTabWidget(this))
{
    m_pTabs->move(kMargin, kMargin);
    m_pTabs->tabBar()->setAccessibleName(tr("Property pages"));
    connect(m_pTabs, &QTabWidget::currentChanged, this, &CPropertySheet::OnCurrentChanged);
}

CPropertyPage* CPropertySheet::ActivePage() const
{
    return m_arrPages.empty() ? nullptr : m_arrPages[size_t(m_nActive)];
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    m_arrPages.push_back(page);
    m_pTabs->addTab(page, page->Title());
}

void CPropertySheet::ActivateActivePage()
{
    if (CPropertyPage* page = ActivePage()) {
        page->LoadFromModel();
        FocusFirstControl(page);
    }
}

void CPropertySheet::FocusActivePage()
{
    if (CPropertyPage* page = ActivePage())
        FocusFirstControl(page);
}

bool CPropertySheet::DeactivateActivePage()
{
    CPropertyPage* page = ActivePage();
    return !page || page->StoreToModel();
}

// A tab change first stores the page being left; when its input is refused
// the old tab stays and its refused control gets the focus. The tab widget has
// already turned to the new page when it announces the change, so the old
// page is put back before the store: a message never shows the new page, not
// yet loaded, behind it. The new page is loaded before it is shown.
void CPropertySheet::OnCurrentChanged(int index)
{
    if (m_bTurning || index < 0 || index == m_nActive)
        return;
    TurnTo(m_nActive);
    CPropertyPage* leaving = ActivePage();
    if (leaving && !leaving->StoreToModel()) {
        leaving->FocusRefused();
        return;
    }
    m_nActive = index;
    m_arrPages[size_t(index)]->LoadFromModel();
    TurnTo(index);
}

void CPropertySheet::TurnTo(int index)
{
    m_bTurning = true;
    m_pTabs->setCurrentIndex(index);
    m_bTurning = false;
}

QSize CPropertySheet::LargestPageHint() const
{
    QSize size;
    for (const CPropertyPage* page : m_arrPages)
        size = size.expandedTo(page->minimumSize());
    return size;
}

void CPropertySheet::LayOut(const QSize& pageSize)
{
    for (CPropertyPage* page : m_arrPages)
        page->setFixedSize(pageSize);
    m_pTabs->resize(m_pTabs->sizeHint());
    const int width = m_pTabs->width() + 2 * kMargin;
    const int height = m_pTabs->height() + 2 * kMargin;
    if (m_pMenuButton) {
        m_pMenuButton->move(width, kModeTop);
        m_pItemButton->move(width, height - kModeTop - kModeButtonSize);
    }
    setFixedSize(width + (m_pMenuButton ? kModeButtonSize : 0), height);
}

void CPropertySheet::AddModeButtons(bool itemSheet)
{
    m_pMenuButton = MakeModeButton(QStringLiteral("Menu"), QStringLiteral(":/props/menu.svg"),
                                   tr("Properties:How to display this item and its siblings"), !itemSheet, false);
    m_pItemButton = MakeModeButton(QStringLiteral("Item"), QStringLiteral(":/props/item.svg"),
                                   tr("Properties:What is displayed on the item"), itemSheet, true);
}

// The buttons never change their checked state: the checked one stands for
// this sheet and does nothing; the other switches the sheet mode and asks
// for the other sheet for the same item.
QPushButton* CPropertySheet::MakeModeButton(const QString& name, const QString& picture, const QString& tip,
                                            bool checked, bool itemMode)
{
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    button->setAccessibleName(name);
    button->setToolTip(tip);
    button->setIcon(QIcon(picture));
    button->setIconSize(QSize(kModeButtonSize - 8, kModeButtonSize - 8));
    button->setFixedSize(kModeButtonSize, kModeButtonSize);
    button->setCheckable(true);
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QPushButton::clicked, this, [this, button, checked, itemMode] {
        button->setChecked(checked);
        if (checked)
            return;
        m_ctx.selection.SetItemSheetMode(itemMode);
        emit SheetModeSwitched();
    });
    return button;
}

void CPropertySheet::FocusFirstControl(QWidget* page)
{
    for (QWidget* widget = page->nextInFocusChain(); widget && widget != page; widget = widget->nextInFocusChain()) {
        if (page->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() &&
            widget->isVisibleTo(page)) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}
