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
