// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// The start-up yardstick: a bare Qt main window, shown, then the program
// ends (with ATW_QUIT_AFTER_SHOW set, as the editor does). With a number as
// its argument the window shows a tree: a root and that many rows under it,
// each with a button, the shape a lazily built menu tree shows first.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <QTreeWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(800, 600);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) {
        auto* tree = new QTreeWidget(&window);
        tree->setHeaderHidden(true);
        auto* root = new QTreeWidgetItem(QStringList(QStringLiteral("root")));
        for (int i = 0, rows = arguments.at(1).toInt(); i < rows; ++i) {
            auto* row = new QTreeWidgetItem(root, QStringList(QStringLiteral("menu %1").arg(i)));
            row->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        }
        tree->addTopLevelItem(root);
        tree->expandItem(root);
        window.setCentralWidget(tree);
    }
    window.show();
    if (qEnvironmentVariableIsSet("ATW_QUIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
