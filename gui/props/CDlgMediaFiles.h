// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/CMediaFormat.h"
#include "editor/CModelEditor.h"

class IUserPrompts;
class QButtonGroup;
class QLineEdit;

// The common form of the Image and Audio dialogs: one box with a browse
// button "..." per state file, and the "Apply to" scope.
class CDlgMediaFiles : public QDialog {
    Q_OBJECT
public:
    static constexpr int kThumbnailSide = 32;

    // names: the box labels without their colon; filter: Qt's file filter;
    // kind: pictures get a thumbnail beside each box that follows its text.
    CDlgMediaFiles(IUserPrompts& prompts, const QString& caption, int dialogId, const QStringList& names,
                   const QString& filter, CMediaFormat::Kind kind, QWidget* parent = nullptr);

    // "title (*.a *.b)" with every extension of kind.
    static QString FilterOf(const QString& title, CMediaFormat::Kind kind);

    void SetFile(int index, std::string_view path);
    std::string File(int index) const;
    void SetScope(CModelEditor::Scope scope);
    CModelEditor::Scope Scope() const;

private:
    QWidget* BuildBoxes(const QStringList& names);
    QWidget* MakeThumbnail(QLineEdit* box, QWidget* parent);
    void Browse(QLineEdit* box);

    IUserPrompts& m_prompts;
    QString m_strFilter;
    CMediaFormat::Kind m_eKind = CMediaFormat::Kind::None;
    int m_nHelpContext = 0;
    std::vector<QLineEdit*> m_arrBoxes;
    QButtonGroup* m_pScope = nullptr;
};
