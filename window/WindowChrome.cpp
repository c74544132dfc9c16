#include "window/WindowChrome.h"

#include <QWindow>

namespace {

class TPlatformWindowChrome : public IWindowChrome {
public:
    bool StartMove(QWindow* window) override { return window && window->startSystemMove(); }
    bool StartResize(QWindow* window, Qt::Edges edges) override
    {
        return window && window->startSystemResize(edges);
    }
};

} // namespace

IWindowChrome& WindowChrome()
{
    static TPlatformWindowChrome real;
    return platform::Current<IWindowChrome>(real);
}

Qt::Edges EdgesAt(int x, int y, int width, int height, int border)
{
    Qt::Edges edges;
    if (x < 0 || y < 0 || x >= width || y >= height)
        return edges;
    if (x < border)
        edges |= Qt::LeftEdge;
    if (x >= width - border)
        edges |= Qt::RightEdge;
    if (y < border)
        edges |= Qt::TopEdge;
    if (y >= height - border)
        edges |= Qt::BottomEdge;
    return edges;
}

Qt::CursorShape CursorForEdges(Qt::Edges edges)
{
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool falling = (edges & Qt::LeftEdge) ? bool(edges & Qt::TopEdge) : bool(edges & Qt::BottomEdge);
        return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    if (horizontal)
        return Qt::SizeHorCursor;
    if (vertical)
        return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}
