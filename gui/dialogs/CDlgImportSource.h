// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class CMenuImport;
class QListWidget;
class QTreeWidget;

// "Import Menu": the lists of a page that can become the menu, with a
// preview of the one selected. The first list (the page's <nav>, when it
// has one) is selected at the start.
class CDlgImportSource : public QDialog {
    Q_OBJECT
public:
    CDlgImportSource(CMenuImport& import, int maxLevels, QWidget* parent = nullptr);

    QListWidget* List() const { return m_pList; }
    QTreeWidget* Preview() const { return m_pPreview; }
    int m_nSelected = 0;

private:
    void ShowPreview(int row);

    CMenuImport& m_import;
    int m_nMaxLevels;
    QListWidget* m_pList = nullptr;
    QTreeWidget* m_pPreview = nullptr;
};
