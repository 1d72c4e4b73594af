// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QListWidget>

#include "editor/CEditorContext.h"

class CTemplateStore;

// The template names in list order, as the three template dialogs show them.
class CTemplateList : public QListWidget {
    Q_OBJECT
public:
    explicit CTemplateList(const CEditorContext& context, QWidget* parent = nullptr);

    // The store of the running program (settings, file system, program folder).
    CTemplateStore Store() const;

    // Removes every entry and adds the stored names in order.
    void Fill();
    // The text at position index; "" when there is none.
    QString NameAt(int index) const;
    QStringList Names() const;
    // Selects position index (none for -1).
    void SelectRow(int index);
    // Shows picture beside the name at position index.
    void SetPicture(int index, const QImage& picture);

private:
    CEditorContext m_ctx;
};
