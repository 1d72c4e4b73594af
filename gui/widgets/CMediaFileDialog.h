// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QFileDialog>

class CMediaPreview;
class ISoundPlayer;

// The file dialog of the picture and sound fields: Qt's own dialog (never the
// desktop's, which has no room for a preview) with a CMediaPreview beside the
// files that follows the highlighted file.
class CMediaFileDialog : public QFileDialog {
    Q_OBJECT
public:
    // filter: Qt's "Text (*.a *.b)" form, several joined by ";;"; initial:
    // the field's path, whose folder and file the dialog opens on.
    CMediaFileDialog(ISoundPlayer& player, const QString& filter, const QString& initial, QWidget* parent = nullptr);

    CMediaPreview* Preview() const { return m_pPreview; }

private:
    CMediaPreview* m_pPreview = nullptr;
};
