// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// The start-up yardstick: a bare Qt main window, shown, then the program
// ends (with ATW_QUIT_AFTER_SHOW set, as the editor does). With a number as
// its argument the window shows a tree: a root and that many rows under it,
// each with a button, the shape a lazily built menu tree shows first.
#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QTimer>
#include <QTreeWidget>
#include <chrono>

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
    // As the editor does: the moment the window is shown goes to the file
    // ATW_SHOWN_AT names (monotonic seconds), then the program ends.
    if (qEnvironmentVariableIsSet("ATW_QUIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, [] {
            QFile shownAt(qEnvironmentVariable("ATW_SHOWN_AT"));
            if (!shownAt.fileName().isEmpty() && shownAt.open(QIODevice::WriteOnly)) {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                shownAt.write(QByteArray::number(std::chrono::duration<double>(now).count(), 'f', 6));
            }
            QCoreApplication::quit();
        });
    return QApplication::exec();
}
