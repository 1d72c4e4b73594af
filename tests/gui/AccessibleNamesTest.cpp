// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <functional>

#include "FrameFixture.h"
#include "core/import/CMenuImport.h"
#include "core/model/CItemStyle.h"
#include "gui/dialogs/CAboutDlg.h"
#include "gui/dialogs/CDlgAutoSave.h"
#include "gui/dialogs/CDlgFind.h"
#include "gui/dialogs/CDlgHtml.h"
#include "gui/dialogs/CDlgImportSource.h"
#include "gui/dialogs/CDlgManageTemplates.h"
#include "gui/dialogs/CDlgNewMenu.h"
#include "gui/dialogs/CDlgRecoverCopies.h"
#include "gui/dialogs/CDlgSaveTemplate.h"
#include "gui/dialogs/CDlgWebBrowser.h"
#include "gui/frame/CFrameActions.h"
#include "gui/props/CDlgAnimateSpeed.h"
#include "gui/props/CDlgAudio.h"
#include "gui/props/CDlgBackgroundStyle.h"
#include "gui/props/CDlgFont.h"
#include "gui/props/CDlgImage.h"
#include "gui/props/CPropertyFrame.h"
#include "gui/props/CPropertySheet.h"

namespace {

// What a screen reader says for a control: its own name, or the label that
// stands for it. A list box's "name" on this platform is its current entry,
// which names nothing, so a list box needs a name or a label of its own.
QString SpokenName(QAccessibleInterface* iface)
{
    const auto labels = iface->relations(QAccessible::Label);
    for (const auto& [label, relation] : labels)
        if (label && !label->text(QAccessible::Name).trimmed().isEmpty())
            return label->text(QAccessible::Name);
    if (iface->role() == QAccessible::ComboBox)
        return qobject_cast<QWidget*>(iface->object())->accessibleName();
    return iface->text(QAccessible::Name).trimmed();
}

// Parts that Qt builds inside a control and names through the control.
bool InsideCompound(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractSpinBox*>(up))
            return true;
    return false;
}

// Every control of window that Tab can reach, and every toolbar button (the
// mouse's way to a command): "Class 'objectName'" of those without a name or
// with a role that says nothing.
QStringList Unnamed(QWidget* window)
{
    QStringList faults;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool toolButton = qobject_cast<QToolButton*>(widget) && qobject_cast<QToolBar*>(widget->parentWidget());
        if (!((widget->focusPolicy() & Qt::TabFocus) || toolButton) || widget->focusProxy() ||
            !widget->isVisibleTo(window) || widget->window() != window || InsideCompound(widget, window))
            continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        const QString what = QStringLiteral("%1 '%2'").arg(widget->metaObject()->className(), widget->objectName());
        if (!iface) {
            faults << what + QStringLiteral(" has no accessible interface");
            continue;
        }
        // "..." says nothing either.
        if (!SpokenName(iface).contains(QRegularExpression(QStringLiteral("\\w"))))
            faults << what + QStringLiteral(" has no name");
        if (iface->role() == QAccessible::Client || iface->role() == QAccessible::NoRole)
            faults << what + QStringLiteral(" has no role");
    }
    return faults;
}

class AccessibleNames : public FrameFixture {};

}  // namespace

// Each window of the editor, each page of the property window and each main
// dialog: every control that takes the focus by Tab has a name and a role.
TEST_F(AccessibleNames, EveryFocusableControlHasANameAndARole)
{
    ASSERT_TRUE(Start());
    Frame()->show();
    CTavelin* menu = Params().m_arrMenus.front().get();
    CTavelinItem* item = menu->GetItem(0);
    Tree()->setCurrentItem(Tree()->NodeOf(item));
    Trigger(CFrameActions::Property);
    CPropertyFrame* properties = Tree()->PropertyFrame();
    ASSERT_NE(properties, nullptr);

    CMenuImport import;
    ASSERT_TRUE(import.LoadText("<ul><li>One</li><li>Two</li></ul>", "list.htm"));
    CItemStyle style;
    using Make = std::function<std::unique_ptr<QWidget>()>;
    const struct {
        const char* name;
        Make make;
    } dialogs[] = {
        {"About", [&] { return std::make_unique<CAboutDlg>(prompts); }},
        {"Auto save", [] { return std::make_unique<CDlgAutoSave>(); }},
        {"Find", [] { return std::make_unique<CDlgFind>(QStringLiteral("x")); }},
        {"HTML", [] { return std::make_unique<CDlgHtml>(); }},
        {"Import source", [&] { return std::make_unique<CDlgImportSource>(import, 3); }},
        {"Manage templates", [&] { return std::make_unique<CDlgManageTemplates>(Context()); }},
        {"New", [&] { return std::make_unique<CDlgNewMenu>(Context()); }},
        {"Recover",
         [] {
             return std::make_unique<CDlgRecoverCopies>("Copies", QStringList{"a", "b"});
         }},
        {"Save template", [&] { return std::make_unique<CDlgSaveTemplate>(Context()); }},
        {"Web browser", [&] { return std::make_unique<CDlgWebBrowser>(prompts, QStringList{"firefox"}); }},
        {"Animate speed", [] { return std::make_unique<CDlgAnimateSpeed>(5, 5); }},
        {"Background", [] { return std::make_unique<CDlgBackgroundStyle>(0, 0, 0); }},
        {"Font", [&] { return std::make_unique<CDlgFont>(prompts, style); }},
        {"Image", [&] { return std::make_unique<CDlgImage>(prompts); }},
        {"Audio", [&] { return std::make_unique<CDlgAudio>(prompts); }},
    };
    EXPECT_EQ(Unnamed(Frame()), QStringList()) << "main window";
    for (const auto& dialog : dialogs) {
        std::unique_ptr<QWidget> window = dialog.make();
        EXPECT_EQ(Unnamed(window.get()), QStringList()) << dialog.name;
    }
    const struct {
        CPropertyFrame::Sheet sheet;
        CTavelinItem* object;
        CTavelin* menu;
    } sheets[] = {{CPropertyFrame::Sheet::Applet, nullptr, nullptr},
                  {CPropertyFrame::Sheet::Menu, item, menu},
                  {CPropertyFrame::Sheet::Item, item, menu}};
    for (const auto& sheet : sheets) {
        properties->ShowSheet(sheet.sheet, QStringLiteral("Properties"), sheet.object, sheet.menu);
        QTabWidget* tabs = properties->CurrentSheet()->Tabs();
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            EXPECT_EQ(Unnamed(properties), QStringList()) << tabs->tabText(page).toStdString();
        }
    }
}
