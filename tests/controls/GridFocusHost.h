#pragma once
// A window holding a styled grid and an edit box, so that either can hold
// the keyboard focus; the grid is set up by the test's own function.
#include "controls/grid/StyledStringGrid.h"
#include "tests/support/ActiveWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

struct FocusHost {
    QWidget window;
    QLineEdit* edit;
    TStyledStringGrid* grid;

    explicit FocusHost(void (*setUpGrid)(TStyledStringGrid&))
    {
        window.resize(300, 400);
        edit = new QLineEdit(&window);
        edit->setGeometry(200, 0, 80, 20);
        grid = new TStyledStringGrid(nullptr, &window);
        setUpGrid(*grid);
        EXPECT_TRUE(ShowActive(window));
    }
    void FocusGrid()
    {
        grid->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(grid->hasFocus());
    }
    void FocusEdit()
    {
        edit->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(edit->hasFocus());
        ASSERT_FALSE(grid->hasFocus());
    }
};
