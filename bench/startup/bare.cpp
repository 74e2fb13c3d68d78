// The baseline of bench_startup: a Qt program that shows an empty main window and nothing else.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare main window"));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
