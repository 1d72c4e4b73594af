#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Applet Tavelina Wizard"));
    label.show();
    return QApplication::exec();
}
