// The floor of any Qt Widgets program here: one empty window of the result
// window's size, titled before it is shown.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Minimal"));
    window.setFixedSize(280, 150);
    window.show();
    return QApplication::exec();
}
