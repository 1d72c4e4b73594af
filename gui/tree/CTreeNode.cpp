// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CTreeNode.h"

CTreeNode::CTreeNode(void* object, const QString& label, int image, const QList<QIcon>& images)
    : QTreeWidgetItem(kType), m_pObject(object), m_strLabel(label), m_nImage(image), m_images(images)
{
}

QVariant CTreeNode::data(int column, int role) const
{
    if (column != 0)
        return QTreeWidgetItem::data(column, role);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return m_strLabel;
    case Qt::DecorationRole:
        return m_nImage >= 0 && m_nImage < m_images.size() ? QVariant(m_images.at(m_nImage)) : QVariant();
    case kObjectRole: return QVariant::fromValue(reinterpret_cast<quintptr>(m_pObject));
    case kImageRole: return m_nImage;
    default: return QTreeWidgetItem::data(column, role);
    }
}

void CTreeNode::setData(int column, int role, const QVariant& value)
{
    if (column != 0) {
        QTreeWidgetItem::setData(column, role, value);
        return;
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: m_strLabel = value.toString(); break;
    case kObjectRole: m_pObject = reinterpret_cast<void*>(value.value<quintptr>()); break;
    case kImageRole: m_nImage = value.toInt(); break;
    default: QTreeWidgetItem::setData(column, role, value); return;
    }
    emitDataChanged();
}
