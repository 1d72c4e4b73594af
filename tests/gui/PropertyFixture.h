// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QTabWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

#include "gui/props/CPropertyFrame.h"
#include "gui/props/CPropertyPage.h"
#include "gui/props/CPropertySheet.h"
#include "support/CTestEditor.h"

// Readable QString and QStringList values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A property frame on a plain main window over a small model:
//   menu A: a1 (sub-menu: s1 (sub-menu: t1)), a2 (hidden)
//   menu B: b1
// ShowItem and ShowApplet call ShowSheet as the tree view does.
class PropertyFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto& params = run.params;
        menuB = params.AddTopMenu();
        menuB->m_strName = "B";
        b1 = menuB->InsertNewItem();
        b1->m_strLabel = "b1";
        menuA = params.AddTopMenu();
        menuA->m_strName = "A";
        a2 = menuA->InsertNewItem();
        a2->m_strLabel = "a2";
        a2->m_bVisible = 0;
        a1 = menuA->InsertNewItem();
        a1->m_strLabel = "a1";
        subA1 = a1->m_pSubMenu.get();
        s1 = subA1->InsertNewItem();
        s1->m_strLabel = "s1";
        subS1 = s1->m_pSubMenu.get();
        t1 = subS1->InsertNewItem();
        t1->m_strLabel = "t1";
        window = std::make_unique<QMainWindow>();
        window->setGeometry(100, 100, 800, 600);
        window->show();
        frame = new CPropertyFrame(run.context, window.get());
        frame->show();
    }

    void TearDown() override { window.reset(); }

    void ShowItem(CTavelinItem* item, CTavelin* menu)
    {
        const auto sheet = run.selection.ItemSheetMode() ? CPropertyFrame::Sheet::Item : CPropertyFrame::Sheet::Menu;
        frame->ShowSheet(sheet, QStringLiteral("Item's Properties"), item, menu);
    }
    void ShowApplet()
    {
        frame->ShowSheet(CPropertyFrame::Sheet::Applet, QStringLiteral("Tavelina's Properties"), nullptr, nullptr);
    }
    CPropertySheet* Shown() const { return frame->CurrentSheet(); }
    // Clicks tab index of the shown sheet, as the user would.
    void ClickTab(int index) { Shown()->Tabs()->setCurrentIndex(index); }
    template <typename T>
    T* Control(const char* name) const
    {
        T* control = Shown()->ActivePage()->findChild<T*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    // The radio button or check box with text inside widget.
    template <typename T>
    static T* WithText(QWidget* widget, const QString& text)
    {
        for (T* button : widget->findChildren<T*>())
            if (button->text() == text)
                return button;
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }
    // Answers the next modal dialog with fill, then OK (or Cancel when fill
    // returns false); the dialog's own OK checks may keep it open.
    template <typename Dialog>
    void AnswerDialog(std::function<bool(Dialog&)> fill)
    {
        prompts.dialogHandlers.push_back([fill](QDialog& dialog) {
            auto* typed = dynamic_cast<Dialog*>(&dialog);
            if (!typed)
                return int(QDialog::Rejected);
            if (fill(*typed))
                dialog.accept();
            else
                dialog.reject();
            return dialog.result();
        });
    }

    // The focusable controls of the active page in tab order, by name (or text).
    QStringList TabOrder() const
    {
        QWidget* page = Shown()->ActivePage();
        QStringList names;
        for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
            if (!page->isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(page) ||
                w->focusProxy())
                continue;
            QString name = w->objectName();
            if (name.isEmpty() && w->parentWidget()->focusProxy() == w)
                name = w->parentWidget()->objectName();
            if (name.isEmpty())
                name = w->property("text").toString();
            names << name;
        }
        return names;
    }

    CAppletParameters& Params() { return run.params; }
    CModelEditor& Editor() { return run.editor; }
    CSelection& Selection() { return run.selection; }

    CTestEditor run;
    CScriptedPrompts& prompts = run.prompts;
    std::unique_ptr<QMainWindow> window;
    CPropertyFrame* frame = nullptr;
    CTavelin* menuA = nullptr;
    CTavelin* menuB = nullptr;
    CTavelin* subA1 = nullptr;
    CTavelin* subS1 = nullptr;
    CTavelinItem* a1 = nullptr;
    CTavelinItem* a2 = nullptr;
    CTavelinItem* s1 = nullptr;
    CTavelinItem* t1 = nullptr;
    CTavelinItem* b1 = nullptr;
};
