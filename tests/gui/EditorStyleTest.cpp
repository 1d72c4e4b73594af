// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStyleFactory>
#include <gtest/gtest.h>
#include <memory>

#include "gui/widgets/CDeferredIconEngine.h"
#include "gui/widgets/CEditorStyle.h"
#include "gui/widgets/CTreeIcons.h"

namespace {
QImage Drawn(const QIcon& icon)
{
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}
}  // namespace

// A deferred picture is made once, when first drawn, whichever copy draws
// it, and looks like the picture it stands for.
TEST(EditorStyle, PicturesAreMadeWhenFirstDrawnAndLookAsTheirOwn)
{
    QPixmap red(16, 16);
    red.fill(Qt::red);
    int made = 0;
    const QIcon icon(new CDeferredIconEngine([&made, red] {
        ++made;
        return QIcon(red);
    }));
    const QIcon copy = icon;  // NOLINT(performance-unnecessary-copy-initialization): a copy shares the engine
    EXPECT_EQ(made, 0);
    EXPECT_EQ(Drawn(copy), red.toImage().convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(Drawn(icon), Drawn(copy));
    EXPECT_EQ(made, 1);

    // The style's extension pictures, deferred, and any other, passed on,
    // are the platform style's own.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    CEditorStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
                             QStyle::SP_DialogOkButton}) {
        const QImage ours = Drawn(style.standardIcon(which, nullptr, nullptr));
        EXPECT_FALSE(ours.isNull()) << which;
        EXPECT_EQ(ours, Drawn(fusion->standardIcon(which, nullptr, nullptr))) << which;
    }

    // The tree's pictures are drawn when shown, and none of them is blank.
    QImage blank(16, 16, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    for (const QIcon& node : CTreeIcons::List())
        EXPECT_NE(Drawn(node), blank);
}
