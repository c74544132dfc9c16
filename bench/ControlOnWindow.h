#pragma once
// One control on a window of its own, as the drawing benchmarks measure it:
// the window is sized, the control made and set up in it; Show puts the
// window on screen and lets every pending event run, so that the timed loop
// starts from a settled window.
#include <QApplication>
#include <QSize>
#include <QWidget>

template <class Control, class Window = QWidget>
struct TControlOnWindow {
    Window window;
    Control* control = nullptr;

    template <class SetUp>
    TControlOnWindow(QSize size, SetUp setUp)
    {
        window.resize(size);
        control = new Control(nullptr, &window);
        setUp(*control);
    }

    void Show()
    {
        window.show();
        QApplication::processEvents();
    }
};
