#pragma once
// Draws a styled panel and finds the anchors in its texts. Drawing and the
// hit test share one geometry (the caption band and its text box, the body
// text rectangle, the status strip), so what the mouse finds is what was
// drawn. The painter reads the panel and keeps nothing.
#include "controls/paint/Canvas.h"

#include <QPoint>
#include <QString>
#include <optional>

class TCustomStyledPanel;
enum class TPanelTextArea;

// Every face gradient of the panel and of its bars is drawn in this many bands.
inline constexpr int kPanelGradientBands = 32;

struct TPanelAnchorHit {
    TPanelTextArea Area;
    int Index = -1;    // one-based, within its text
    QString Reference;
};

class TPanelPainter {
public:
    explicit TPanelPainter(const TCustomStyledPanel& panel);

    TRect ClientRect() const;

    // Caption bar: drawn only when visible and placed at the top edge.
    bool CaptionShown() const;
    // The band: the client rectangle (short of the border shadow, inside
    // any bevel), the caption's Height less twice the bevel width high.
    TRect CaptionBand() const;
    // Where the caption text is laid out: from the band's left plus the
    // caption's Indent and its top plus TopIndent, down to the band's top
    // plus the caption's full Height.
    TRect CaptionTextBox() const;

    // The clip of the body text: the client rectangle below the caption band.
    TRect BodyClip() const;
    // The body text's rectangle, inside the border, indented, above the
    // status strip, moved down for centred or bottom placement (which needs
    // the canvas to measure the text).
    TRect BodyTextRect(TCanvas& canvas) const;

    bool StatusShown() const;
    TRect StatusRect() const;
    TRect StatusTextBox() const;

    // Everything but OnPaint, in order: face, border, bevels, body text,
    // caption bar, status strip, size grip.
    void Paint(TCanvas& canvas) const;

    // The anchor under p in the panel's texts (caption first, then the
    // status strip, then the body), or nothing.
    std::optional<TPanelAnchorHit> AnchorAt(TCanvas& canvas, QPoint p) const;

private:
    void PaintFace(TCanvas& canvas, TRect& r) const;
    void PaintBorder(TCanvas& canvas, TRect& r) const;
    void PaintBevels(TCanvas& canvas, TRect& r) const;
    void PaintBody(TCanvas& canvas) const;
    void PaintCaption(TCanvas& canvas) const;
    void PaintStatus(TCanvas& canvas) const;
    void PaintSizeGrip(TCanvas& canvas) const;

    const TCustomStyledPanel& m_panel;
};
