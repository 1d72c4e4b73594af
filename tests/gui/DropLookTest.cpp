// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QDragEnterEvent>
#include <QImage>
#include <QMimeData>
#include <QTest>
#include <cstdlib>

#include "TreeViewFixture.h"

namespace {

class DragView : public CAppletTavelinWizardView {
public:
    using CAppletTavelinWizardView::CAppletTavelinWizardView;
    void SetDragItem(QTreeWidgetItem* node) { m_hDragItem = node; }
};

class DropLook : public TreeViewFixture {
protected:
    std::unique_ptr<CAppletTavelinWizardView> MakeView() override { return std::make_unique<DragView>(run.context); }
};

}  // namespace

// While a drag runs, the node it would land on looks neither like the
// selected (dragged) node nor like a plain one.
TEST_F(DropLook, DropTargetStandsApartFromTheSelection)
{
    view->show();
    view->expandAll();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    Select(a2);
    static_cast<DragView*>(view.get())->SetDragItem(Node(a2));
    QMimeData data;
    data.setData(CAppletTavelinWizardView::DragMimeType(), QByteArray());
    QDragEnterEvent enter(view->visualItemRect(Node(gamma)).center(), Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    ASSERT_EQ(view->DropHighlight(), Node(gamma));

    const QImage shot = view->viewport()->grab().toImage();
    // A point right of every label, in the middle of a row.
    const auto look = [&](const auto* object) {
        return shot.pixelColor(shot.width() * 9 / 10, view->visualItemRect(Node(object)).center().y());
    };
    // Two looks differ when the eye tells them apart, not by a shade.
    const auto apart = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 60;
    };
    const QColor target = look(gamma);
    EXPECT_TRUE(apart(target, look(a2))) << "the selection";
    EXPECT_TRUE(apart(target, look(beta))) << "a plain node";
}
