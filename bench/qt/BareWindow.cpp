// The start-up yardstick: a bare Qt main window, shown, then the program
// ends (with ATW_QUIT_AFTER_SHOW set, as the editor does).
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(800, 600);
    window.show();
    if (qEnvironmentVariableIsSet("ATW_QUIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
