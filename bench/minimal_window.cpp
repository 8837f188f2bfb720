// The floor of the start-up measurement: an empty Qt Widgets window of the
// splash's size, started and measured exactly as the game is.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(511, 308);
    window.show();
    return QApplication::exec();
}
