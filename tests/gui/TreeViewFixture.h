// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QTreeWidgetItem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "core/model/CAppletParameters.h"
#include "editor/CAppletTavelinWizardDoc.h"
#include "gui/tree/CAppletTavelinWizardView.h"
#include "support/CTestEditor.h"

// A tree view standing alone over a model of its own, with a document and
// scripted prompts. The model it starts from:
//
//   "My Tavelina"
//     "Alpha"            top-level menu
//       "a1"             item with sub-items
//         "a1x"          leaf
//         "a1y"          item with sub-items
//           "a1y1"       leaf
//       "a2"             leaf
//       "a3"             hidden leaf
//     "Beta"             hidden top-level menu
//       "b1"             hidden item with sub-items
//         "b1x"          leaf
//     "Gamma"            empty top-level menu
class TreeViewFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildModel();
        doc = std::make_unique<CAppletTavelinWizardDoc>(run.context);
        view = MakeView();
        view->SetDocument(doc.get());
        view->resize(300, 400);
        view->RebuildTree();
        doc->Context().editor.History().setClean();
    }

    void TearDown() override
    {
        view.reset();
        doc.reset();
    }

    virtual std::unique_ptr<CAppletTavelinWizardView> MakeView()
    {
        return std::make_unique<CAppletTavelinWizardView>(run.context);
    }

    CAppletParameters& Params() { return run.params; }
    CModelEditor& Editor() { return run.editor; }
    CSelection& Selection() { return run.selection; }

    CTavelin* AddMenu(const std::string& name, bool visible = true)
    {
        Params().m_arrMenus.push_back(std::make_unique<CTavelin>(0, name));
        Params().m_arrMenus.back()->m_bVisible = visible;
        return Params().m_arrMenus.back().get();
    }

    static CTavelinItem* AddItem(CTavelin* menu, const std::string& label, bool visible = true)
    {
        menu->m_arrItems.push_back(std::make_unique<CTavelinItem>(label));
        menu->m_arrItems.back()->m_bVisible = visible;
        return menu->m_arrItems.back().get();
    }

    void BuildModel()
    {
        Params().m_strName = "My Tavelina";
        alpha = AddMenu("Alpha");
        alpha->m_nItemWidth = 111;
        a1 = AddItem(alpha, "a1");
        a1->m_pSubMenu->m_nItemWidth = 222;
        a1x = AddItem(a1->m_pSubMenu.get(), "a1x");
        a1y = AddItem(a1->m_pSubMenu.get(), "a1y");
        a1y1 = AddItem(a1y->m_pSubMenu.get(), "a1y1");
        a2 = AddItem(alpha, "a2");
        a3 = AddItem(alpha, "a3", false);
        beta = AddMenu("Beta", false);
        b1 = AddItem(beta, "b1", false);
        b1x = AddItem(b1->m_pSubMenu.get(), "b1x");
        gamma = AddMenu("Gamma");
    }

    QTreeWidgetItem* Node(const CTavelinItem* item) const { return view->NodeOf(item); }
    QTreeWidgetItem* Node(const CTavelin* menu) const { return view->NodeOf(menu); }
    void Select(QTreeWidgetItem* node) { view->setCurrentItem(node); }
    void Select(const CTavelinItem* item) { view->setCurrentItem(Node(item)); }
    void Select(const CTavelin* menu) { view->setCurrentItem(Node(menu)); }
    QTreeWidgetItem* Selected() const { return view->currentItem(); }
    int Image(const CTavelinItem* item) const { return view->NodeImage(Node(item)); }
    int Image(const CTavelin* menu) const { return view->NodeImage(Node(menu)); }

    // The labels of the children of node, in tree order, once they are built.
    QStringList ChildLabels(QTreeWidgetItem* node) const
    {
        view->BuildChildNodes(node);
        QStringList labels;
        for (int i = 0; node && i < node->childCount(); ++i)
            labels << node->child(i)->text(0);
        return labels;
    }

    // The labels of the items of menu, in model order.
    static QStringList ItemLabels(const CTavelin* menu)
    {
        QStringList labels;
        for (const auto& item : menu->m_arrItems)
            labels << QString::fromStdString(item->m_strLabel.str());
        return labels;
    }

    CTestEditor run;
    CScriptedPrompts& prompts = run.prompts;
    std::unique_ptr<CAppletTavelinWizardDoc> doc;
    std::unique_ptr<CAppletTavelinWizardView> view;
    CTavelin* alpha = nullptr;
    CTavelin* beta = nullptr;
    CTavelin* gamma = nullptr;
    CTavelinItem* a1 = nullptr;
    CTavelinItem* a1x = nullptr;
    CTavelinItem* a1y = nullptr;
    CTavelinItem* a1y1 = nullptr;
    CTavelinItem* a2 = nullptr;
    CTavelinItem* a3 = nullptr;
    CTavelinItem* b1 = nullptr;
    CTavelinItem* b1x = nullptr;
};
