// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "gui/dialogs/CDlgHtml.h"

namespace {

const char* const kPage = "<html>\n<head>\n<title>My Tavelina</title>\n</head>\n<body>\n"
                          "<p align=\"center\">\n<applet code=\"tavelin.class\" width=\"400\" height=\"200\">\n"
                          "<param name=\"Misc\" value=\"1\">\n</applet>\n</p>\n</body>\n</html>\n";

TEST(HtmlDialog, CopyTakesTheAppletParagraphWithTheUsersEdits)
{
    CDlgHtml dialog;
    EXPECT_EQ(dialog.windowTitle(), "HTML");
    EXPECT_EQ(dialog.CopyButton()->toolTip(), "Click to copy HTML into clipboard");
    dialog.SetHtml(QString::fromLatin1(kPage));
    QTest::mouseClick(dialog.CopyButton(), Qt::LeftButton);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith("<p align=\"center\">\n<applet"));
    EXPECT_TRUE(copied.endsWith("</applet>\n</p>"));
    EXPECT_FALSE(copied.contains("<html>"));
    EXPECT_EQ(dialog.Editor()->textCursor().selectedText().size(), copied.size());

    // Text typed inside the paragraph goes along.
    QPlainTextEdit* edit = dialog.Editor();
    QTextCursor cursor = edit->document()->find(QStringLiteral("</applet>"));
    cursor.setPosition(cursor.selectionStart());
    cursor.insertText(QStringLiteral("Your browser shows no applets.\n"));
    dialog.OnCopy();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("Your browser shows no applets.\n</applet>"));
}

TEST(HtmlDialog, CopyTakesTheWholeTextWithoutAParagraph)
{
    const QString noClose = QStringLiteral("<p align=\"left\"><applet></applet>");
    const QString closeFirst = QStringLiteral("</p> then <p align=\"left\"> open");
    for (const QString& text : {noClose, closeFirst, QStringLiteral("plain text")}) {
        CDlgHtml dialog;
        dialog.SetHtml(text);
        dialog.OnCopy();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    }
    // The first "</p>" after the opening tag ends the range, not a later one.
    const auto range = CDlgHtml::AppletRange(QStringLiteral("x</p><p align=1>a</p>b</p>"));
    EXPECT_EQ(range.first, 5);
    EXPECT_EQ(range.second, 16);
}

}  // namespace
