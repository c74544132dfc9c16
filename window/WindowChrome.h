#pragma once
// The window manager's part of a frameless window: moving it with the mouse
// and sizing it by an edge. The real service asks the platform; tests put a
// recording stand-in in its place (platform::ScopedService<IWindowChrome>).
#include "platform/Service.h"

#include <QList>
#include <Qt>

class QWindow;

class IWindowChrome {
public:
    virtual ~IWindowChrome() = default;
    // Starts the platform's interactive move; false when it cannot.
    virtual bool StartMove(QWindow* window) = 0;
    // Starts the platform's interactive resize by the edges.
    virtual bool StartResize(QWindow* window, Qt::Edges edges) = 0;
};

IWindowChrome& WindowChrome();

// The edges a point of a window lies on: those within `border` pixels of
// the point (nothing for a point outside the window).
Qt::Edges EdgesAt(int x, int y, int width, int height, int border);

// The sizing cursor that shows a press there sizes the window by `edges`:
// a diagonal one at the corners, a straight one along an edge, the arrow
// away from the edges.
Qt::CursorShape CursorForEdges(Qt::Edges edges);
