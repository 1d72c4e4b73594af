// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CMediaFileDialog.h"

#include <QGridLayout>

#include "CMediaPreview.h"

CMediaFileDialog::CMediaFileDialog(ISoundPlayer& player, const QString& filter, const QString& initial, QWidget* parent)
    : QFileDialog(parent, tr("Open"), initial, filter)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    m_pPreview = new CMediaPreview(player, this);
    // Qt's own dialog lays itself out in a grid: the preview takes a column
    // of its own on the right, from the top row down.
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(m_pPreview, 0, grid->columnCount(), grid->rowCount(), 1);
    connect(this, &QFileDialog::currentChanged, m_pPreview, &CMediaPreview::ShowFile);
    if (!initial.isEmpty())
        m_pPreview->ShowFile(initial);
}
