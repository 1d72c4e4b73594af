// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgImportSource.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "core/import/CMenuImport.h"
#include "editor/CText.h"

namespace {
// Shows the first levels of the structure; enough to tell the lists apart.
constexpr int kPreviewLevels = 3;
}  // namespace

CDlgImportSource::CDlgImportSource(CMenuImport& import, int maxLevels, QWidget* parent)
    : QDialog(parent), m_import(import), m_nMaxLevels(maxLevels)
{
    setWindowTitle(tr("Import Menu"));
    setObjectName(QStringLiteral("DlgImportSource"));
    m_pList = new QListWidget(this);
    m_pList->setObjectName(QStringLiteral("lstCandidates"));
    for (const std::string& candidate : import.Candidates())
        m_pList->addItem(CText::ToQ(candidate));
    m_pPreview = new QTreeWidget(this);
    m_pPreview->setObjectName(QStringLiteral("treePreview"));
    m_pPreview->setHeaderLabels({tr("Label"), tr("Link")});
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pList, &QListWidget::currentRowChanged, this, &CDlgImportSource::ShowPreview);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    auto* listLabel = new QLabel(tr("The page holds several lists. Choose the one that is the menu:"), this);
    listLabel->setBuddy(m_pList);
    m_pList->setAccessibleName(tr("Lists of the page"));
    m_pPreview->setAccessibleName(tr("Items of the chosen list"));
    layout->addWidget(listLabel);
    layout->addWidget(m_pList);
    layout->addWidget(m_pPreview, 1);
    layout->addWidget(buttons);
    resize(520, 420);
    m_pList->setCurrentRow(0);
}

void CDlgImportSource::ShowPreview(int row)
{
    m_nSelected = row;
    m_pPreview->clear();
    CImportNode root;
    if (row < 0 || !m_import.Import(root, static_cast<size_t>(row), m_nMaxLevels))
        return;
    std::vector<std::pair<const CImportNode*, QTreeWidgetItem*>> stack{{&root, nullptr}};
    while (!stack.empty()) {
        auto [node, parent] = stack.back();
        stack.pop_back();
        int level = 0;
        for (const QTreeWidgetItem* up = parent; up; up = up->parent())
            ++level;
        if (level >= kPreviewLevels)
            continue;
        for (const auto& child : node->m_children) {
            const QStringList texts{CText::ToQ(child->m_strLabel), CText::ToQ(child->m_strLink)};
            auto* shown = parent ? new QTreeWidgetItem(parent, texts) : new QTreeWidgetItem(m_pPreview, texts);
            stack.emplace_back(child.get(), shown);
        }
    }
    m_pPreview->expandAll();
}
