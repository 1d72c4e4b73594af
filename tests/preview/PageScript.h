// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTest>
#include <QVariant>
#include <gtest/gtest.h>
#include <memory>

#include "gui/preview/IPreviewBrowser.h"

// The value of script run in the page the preview shows, waited for.
inline QVariant RunJs(IPreviewBrowser* page, const QString& script, int waitMs = 20000)
{
    // The answer may come after a timeout: it lands in state, not on this stack.
    struct Answer {
        QVariant value;
        bool done = false;
    };
    auto state = std::make_shared<Answer>();
    page->Run(script, [state](const QVariant& value) {
        state->value = value;
        state->done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return state->done; }, waitMs)) << script.toStdString();
    return state->value;
}
