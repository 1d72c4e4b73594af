// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include "CBoundPage.h"
#include "core/model/CItemFields.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// "Item": the selected item's label, description, link and target frame; its
// Image... and Audio... buttons apply media files at once to the item, its
// menu or every item. The label is stored at once when its box loses the focus.
class CDlgItem : public CBoundPage<CItemFields> {
    Q_OBJECT
public:
    static constexpr int kDialogId = 146;

    explicit CDlgItem(const CEditorContext& context, QWidget* parent = nullptr);

    // Without a current item the boxes are emptied.
    void LoadFromModel() override;

    // The first entry of the target list that begins with target, ignoring
    // case; -1 when none does (or target is empty).
    static int MatchTarget(const QStringList& entries, const QString& target);

protected:
    const CItemFields* Source() const override;
    void Commit(const CItemFields& edited, const QString& name, const QString& field) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void BindFields();
    void OnImage();
    void OnAudio();

    QPlainTextEdit* m_pLabel = nullptr;
    QLineEdit* m_pDescription = nullptr;
    QLineEdit* m_pLink = nullptr;
    QComboBox* m_pTarget = nullptr;
};
