// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <vector>

class CAppletParameters;
class CTavelinItem;
class IFileSystem;
class IUserPrompts;
class QPlainTextEdit;

// Build > Check Links: writes the link check's report into the message
// view, one line per problem, and turns a double-click on a line into the
// item it names. Check Parameters' report, shown by the document, names its
// items through SetLineItems. Once the text is changed by anything else, its
// lines no longer name items.
class CLinkReport : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kNotSaved = QT_TRANSLATE_NOOP(
        "CLinkReport", "Save the Tavelina first: links are checked relative to the folder of its page.");

    CLinkReport(QPlainTextEdit& messages, IUserPrompts& prompts, IFileSystem& fs);

    // Checks the model against the page's folder; false when the page has no
    // path yet (after the message).
    bool Run(const CAppletParameters& params, const QString& pagePath);
    // The items the lines of the text just shown name, by line.
    void SetLineItems(std::vector<const CTavelinItem*> items);
    // The item that line names; null for the closing count and after a change.
    const CTavelinItem* ItemAtLine(int line) const;

signals:
    void ItemActivated(const CTavelinItem* item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit& m_messages;
    IUserPrompts& m_prompts;
    IFileSystem& m_fs;
    std::vector<const CTavelinItem*> m_lineItems;  // by line, while the view shows the report
};
