#pragma once
// The drawing of a glow button's face, apart from the widget: the two-half
// gradient fill, the rounded outline, the focus outlines, the caption and
// the picture. TGlowFaceGeometry is the one source of the face's geometry,
// shared by the drawing and by the button's hit test.
#include "controls/paint/Color.h"
#include "controls/glowbutton/GlowButtonAppearance.h"
#include "controls/paint/GlowFace.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <array>

class QPainter;
class TGDIPPicture;

// Where the picture stands relative to the caption.
enum class TGlyphSide { Left, Top, Right, Bottom };

// How the caption is rendered.
enum class TCaptionRendering { Plain, ClearType, GreyScale };

class TGlowFaceGeometry {
public:
    TGlowFaceGeometry(int width, int height)
        : m_w(width)
        , m_h(height)
    {
    }
    int Width() const { return m_w; }
    int Height() const { return m_h; }
    // h = H div 2: the lower half shows the last h rows.
    int Half() const { return m_h / 2; }
    // The upper half's rectangle (0, 0, W, H - h).
    QRect UpperRect() const { return QRect(0, 0, m_w, m_h - Half()); }
    // The lower half's rectangle (0, h - 1, W, H): its first row lies under
    // the upper half, which is painted second.
    QRect LowerRect() const { return QRect(0, Half() - 1, m_w, m_h - Half() + 1); }
    // The outline through the centres of the outermost pixels.
    QRectF Outline() const { return QRectF(0.5, 0.5, m_w - 1, m_h - 1); }
    // The focus outlines, inset by one and two pixels.
    QRectF FocusOutline() const { return QRectF(1.5, 1.5, m_w - 3, m_h - 3); }
    QRectF DottedFocusOutline() const { return QRectF(2.5, 2.5, m_w - 5, m_h - 5); }
    // Corner radius of a rounded outline.
    static constexpr double kCornerRadius = 3.0;
    // The four extreme corner pixels.
    std::array<QPoint, 4> Corners() const
    {
        return {QPoint(0, 0), QPoint(m_w - 1, 0), QPoint(0, m_h - 1), QPoint(m_w - 1, m_h - 1)};
    }
    // The client rectangle test: 0 <= x < W and 0 <= y < H.
    bool Contains(QPoint p) const { return p.x() >= 0 && p.y() >= 0 && p.x() < m_w && p.y() < m_h; }

    // The caption's box, given the picture's size (spacing included) and
    // whether a picture stands beside the caption.
    QRect TextBox(QSize picture, TGlyphSide side) const;
    // The picture's top-left corner. Without a caption it is centred; with
    // one, picture (with spacing) and caption form a block that is centred,
    // the picture at the block's near end, at least 2 pixels from the edge.
    QPoint PicturePosition(QSize picture, QSize pictureWithSpacing, bool hasCaption, QSize caption,
                           TGlyphSide side) const;

private:
    int m_w;
    int m_h;
};

// Everything one paint of a face needs, chosen by the button.
struct TGlowFace {
    TFaceColors Colors;
    bool PaintFace = true; // false while a transparent button is idle
    bool Border = true;
    bool Rounded = true;
    bool FocusOutline = false;

    QString Caption; // empty: no caption
    QFont Font;
    TColor CaptionColor = clBlack;
    bool WordWrap = true;
    TCaptionRendering Rendering = TCaptionRendering::ClearType;

    const TGDIPPicture* Picture = nullptr; // nullptr or empty: no picture
    TGlyphSide Side = TGlyphSide::Left;
    int Spacing = 2;
};

class TGlowButtonPainter {
public:
    explicit TGlowButtonPainter(QSize size)
        : m_geometry(size.width(), size.height())
    {
    }
    const TGlowFaceGeometry& Geometry() const { return m_geometry; }

    // Draws the face, its outlines, caption and picture onto painter, whose
    // device covers the client rectangle.
    void DrawGlowFace(QPainter& painter, const TGlowFace& face) const;
    // Clears the four extreme corner pixels of a drawn face, so that what
    // lies under the button shows there.
    void ClearCorners(QImage& buffer) const;

    // The caption's measured size in its box (for the picture's block).
    QSize CaptionSize(const TGlowFace& face, const QRect& box) const;

private:
    void DrawOutlines(QPainter& painter, const TGlowFace& face) const;
    void DrawCaption(QPainter& painter, const TGlowFace& face, const QRect& box) const;
    int TextFlags(const TGlowFace& face) const;

    TGlowFaceGeometry m_geometry;
};
