// The baseline of the start-up and memory figures: a bare Qt program that
// opens one empty window of the game's size and ends once it has painted
// for the first time, exactly as the game does when
// LUMORA_EXIT_AFTER_FIRST_PAINT is set.
#include "bench/FirstPaintExit.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(450, 390);
    window.installEventFilter(new TFirstPaintExit(&window));
    window.show();
    return app.exec();
}
