// The floor of any Qt Widgets program here: one empty window of the result
// window's size, titled before it is shown.
//   minimal-window [TITLE [TEXT]]
// With TEXT, the window also shows it in a label in the program's Japanese
// fallback font: the floor of any window that shows Japanese text.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Minimal"));
    window.setFixedSize(280, 150);
    if (argc > 2) {
        auto* label = new QLabel(QString::fromLocal8Bit(argv[2]), &window);
        QFont font = label->font();
        font.setFamilies({QStringLiteral("Osaka"), QStringLiteral("VL PGothic")});
        font.setPixelSize(12);
        label->setFont(font);
    }
    window.show();
    return QApplication::exec();
}
