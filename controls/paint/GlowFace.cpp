#include "controls/paint/GlowFace.h"

#include <QBrush>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>

void FillGlowHalf(QPainter& painter, const QRect& r, TColor color, TColor colorTo, TGDIPGradient kind, TGlowHalf half)
{
    if (r.isEmpty() || color == clNone || colorTo == clNone)
        return;
    const QColor base = ToQColor(color);
    const QColor to = ToQColor(colorTo);
    // The mirror half runs from its To colour at the top to its base colour.
    const QColor first = half == TGlowHalf::Upper ? base : to;
    const QColor second = half == TGlowHalf::Upper ? to : base;
    const double left = r.left(), top = r.top();
    const double right = left + r.width(), bottom = top + r.height();

    painter.save();
    // Flat base, without anti-aliasing.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(r, base);

    // The gradient of the half's kind.
    switch (kind) {
    case ggVertical:
    case ggDiagonalForward:
    case ggDiagonalBackward: {
        QLinearGradient g;
        if (kind == ggVertical)
            g = QLinearGradient(left, top, left, bottom);
        else if (kind == ggDiagonalForward)
            g = QLinearGradient(left, top, right, bottom);
        else
            g = QLinearGradient(right, top, left, bottom);
        g.setColorAt(0, first);
        g.setColorAt(1, second);
        painter.fillRect(r, QBrush(g));
        break;
    }
    case ggRadial: {
        // An ellipse as wide as r, reaching r's inner edge, centred on the
        // middle of r's outer edge.
        const double rx = r.width() / 2.0;
        const double ry = r.height();
        const QPointF centre(left + rx, half == TGlowHalf::Upper ? top : bottom);
        QRadialGradient g(QPointF(0, 0), 1.0);
        g.setColorAt(0, to);
        g.setColorAt(1, base);
        QBrush brush(g);
        QTransform t;
        t.translate(centre.x(), centre.y());
        t.scale(std::max(rx, 0.5), std::max(ry, 0.5));
        brush.setTransform(t);
        painter.setClipRect(r);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(brush);
        painter.drawEllipse(centre, rx, ry);
        break;
    }
    }
    painter.restore();
}
