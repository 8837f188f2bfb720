// The floor of the start-up measurement: an empty Qt Widgets window of the
// splash's size, started and measured exactly as the game is. With the
// argument "text" it shows one line of text, so that the floor includes what
// any window with words pays first: the desktop's font configuration, a font
// and its shaping.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(511, 308);
    if (argc > 1 && QLatin1String(argv[1]) == QLatin1String("text")) {
        auto* line = new QLabel(QStringLiteral("Brightmoose Derudirodozir"), &window);
        line->move(20, 20);
    }
    window.show();
    return QApplication::exec();
}
