#pragma once
// The drawing of the office selector apart from its widgets: the drop
// button with its arrow, the frame, the two-half face of the drop button and
// of the highlighted list row, and one list row. TSelectorGeometry is the
// one source of the closed selector's geometry, shared by the drawing and by
// the selector's hit test and text placement.
#include "controls/selector/ComboBtn.h"
#include "controls/paint/Color.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

class QPainter;
class TGDIPPicture;

// A rectangle given by its left, top, right and bottom edges, the right and
// bottom ones exclusive.
inline QRect EdgeRect(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

class TSelectorGeometry {
public:
    // client: the selector's client size; buttonWidth: Button.Width;
    // textHeight: the height of "gh" in the field's font.
    TSelectorGeometry(QSize client, int buttonWidth, int textHeight);

    int ClientWidth() const { return m_client.width(); }
    int ClientHeight() const { return m_client.height(); }
    // The field's text rectangle (2, m, CW - Button.Width - 4, CH + 1),
    // m centring the text line when it fits.
    QRect TextRect() const { return m_text; }
    // The drop button B = (CW - Button.Width - 1, 1, CW - 1, CH - 2).
    QRect ButtonRect() const { return m_button; }
    // B one row taller: the rectangle its face fills.
    QRect ButtonFaceRect() const { return m_button.adjusted(0, 0, 0, 1); }
    // The arrow's first (top-left) pixel.
    QPoint ArrowAnchor() const;
    // The x of the separator line between field and button.
    int SeparatorX() const { return m_button.left() - 1; }
    // The parts of the client area outside the text rectangle and left of
    // B: left, middle, top and bottom strips.
    std::array<QRect, 4> Strips() const;
    // True when p lies on the drop button's face.
    bool InButton(QPoint p) const { return ButtonFaceRect().contains(p); }

private:
    QSize m_client;
    QRect m_text;
    QRect m_button;
};

// What the drop button shows for one paint.
struct TDropButtonLook {
    TFaceColors Face;
    const TGDIPPicture* Glyph = nullptr; // nullptr or empty: the arrow
    TColor ArrowColor = clBlack;
};

// One row of the open list.
struct TSelectorRow {
    QString Text;
    QFont Font;
    TColor TextColor = clBlack; // the selector's font colour
    bool Highlighted = false;   // selected or focused
    bool LastRecent = false;    // the last row of the recent selections
    int ListWidth = 0;
    bool PlainText = false;     // plain text output instead of anti-aliased
    // The highlighted row's look.
    TFaceColors Selection;
    TColor SelectionBorder = clNone;
    TColor SelectionText = clHighlightText;
    bool Rounded = false;
    TColor Background = clWindow;
};

// Fills r as a two-part face: the lower half first, flat in ColorMirror
// and then running from ColorMirror at its top to ColorMirrorTo at its
// bottom; then the upper half, flat in Color and running from Color to
// ColorTo. Each gradient spares the rectangle's left column and its half's
// top row, and the upper gradient reaches one row into the lower half. A
// border colour other than clNone adds a 1-pixel outline (rounded corners of
// radius 3 when asked).
void DrawOfficeFace(QPainter& painter, const QRect& r, const TFaceColors& colors, TColor border = clNone,
                    bool rounded = false);

class TOfficeSelectorPainter {
public:
    explicit TOfficeSelectorPainter(const TSelectorGeometry& geometry)
        : m_geometry(geometry)
    {
    }
    const TSelectorGeometry& Geometry() const { return m_geometry; }

    // Fills the strips around the text rectangle with fieldColor, then the
    // button's face and its glyph or arrow.
    void DrawDropButton(QPainter& painter, const TDropButtonLook& look, TColor fieldColor) const;
    // The 1-pixel outline of the client area and the separator left of B.
    void DrawSelectorFrame(QPainter& painter, TColor frameColor) const;

    // One row of the list in rect.
    static void DrawSelectorRow(QPainter& painter, const QRect& rect, const TSelectorRow& row);

private:
    TSelectorGeometry m_geometry;
};
