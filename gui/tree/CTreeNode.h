// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QList>
#include <QTreeWidgetItem>

// One node of the menu tree. It answers the roles the tree asks for from
// plain members instead of stored variants: its label, its picture (an index
// into the image list), and, under CTreeNodeMap's roles, the pointer to its
// model object and that picture index. This keeps a tree of a hundred
// thousand nodes as cheap to build as a bare one.
class CTreeNode : public QTreeWidgetItem {
public:
    static constexpr int kType = QTreeWidgetItem::UserType + 1;
    static constexpr int kObjectRole = Qt::UserRole;
    static constexpr int kImageRole = Qt::UserRole + 1;

    CTreeNode(void* object, const QString& label, int image, const QList<QIcon>& images);

    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant& value) override;

    void* Object() const { return m_pObject; }
    int Image() const { return m_nImage; }

private:
    void* m_pObject;
    QString m_strLabel;
    int m_nImage;
    const QList<QIcon>& m_images;
};
