#pragma once
#include "window/WindowChrome.h"

class TRecordingWindowChrome : public IWindowChrome {
public:
    bool StartMove(QWindow*) override
    {
        ++moves;
        return true;
    }
    bool StartResize(QWindow*, Qt::Edges edges) override
    {
        resizes.append(edges);
        return true;
    }
    int moves = 0;
    QList<Qt::Edges> resizes;
};
