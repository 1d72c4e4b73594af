// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QFileDialog>

class QCheckBox;

// "Export HTML5 Menu": the file dialog for the exported page, with a check
// box for writing only the menu (to paste into a page of one's own) and its
// style sheet beside it, as "atw export --fragment" does.
class CDlgExportHtml5 : public QFileDialog {
    Q_OBJECT
public:
    static constexpr const char* kFragmentText =
        QT_TRANSLATE_NOOP("CDlgExportHtml5", "&Menu only, to paste into a page (style sheet beside it)");

    explicit CDlgExportHtml5(QWidget* parent = nullptr, bool fragment = false);

    bool Fragment() const;
    void SetFragment(bool on);
    QCheckBox* FragmentBox() const { return m_pFragment; }

    // The chosen file, with ".htm" added when it has no extension; empty
    // when nothing was chosen.
    QString PagePath() const;

    // Starts in the project page's folder with a name of its own beside the
    // page ("menu.htm" for a project not saved yet).
    void ProposeFor(const QString& projectPage);
    static QString ProposedName(const QString& projectPage);
    // Whether path names the project's page, which the export must not replace.
    static bool IsProjectPage(const QString& path, const QString& projectPage);

private:
    QCheckBox* m_pFragment = nullptr;
};
