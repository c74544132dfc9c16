#pragma once
// TSmoothLabel: a windowless label whose text is drawn anti-aliased with a
// brush that runs from one colour to another (gradient text). Behind the
// text it can paint a TGDIPFill of its own; with Transparent on (the
// default) the fill is skipped and the parent's painting shows around and
// between the letters.
#include "controls/core/Control.h"
#include "controls/paint/FillPicture.h"
#include "controls/paint/GDIPFill.h"
#include "controls/style/VisualStyle.h"
#include "controls/paint/Property.h"

#include <QObject>
#include <QString>
#include <functional>

// The text of a smooth label and how it is painted. Every change of a
// value, of the font or of the picture raises OnChange (the label's repaint).
class TSmoothLabelCaption : public QObject {
    Q_OBJECT
public:
    enum TSmoothLabelLocation : quint8 {
        plTopLeft, plTopCenter, plTopRight, plCenterLeft, plCenterCenter, plCenterRight,
        plBottomLeft, plBottomCenter, plBottomRight, plCustom,
    };
    Q_ENUM(TSmoothLabelLocation)

    explicit TSmoothLabelCaption(QObject* parent = nullptr);

    LUMORA_PROPERTY_OWN_SETTER(QString, Text, m_text, {})
    LUMORA_PROPERTY(TSmoothLabelLocation, Location, m_location, plCenterCenter, Changed())
    // Family, size and style of the text; its colour is not used.
    Q_PROPERTY(TFont* Font READ Font)

    TFont* Font() const { return m_font; }
    // Position of the text for plCustom.
    LUMORA_PROPERTY(int, Left, m_left, 0, Changed())
    LUMORA_PROPERTY(int, Top, m_top, 0, Changed())
    // The texture of gtTexture. Setting copies the content.
    Q_PROPERTY(TFillPicture* Picture READ Picture WRITE SetPicture)

    TFillPicture* Picture() const { return m_picture; }
    // Copies the picture's content; every assignment repaints.
    void SetPicture(TFillPicture* v) { m_picture->Replace(v); }
    LUMORA_PROPERTY(TColor, ColorStart, m_colorStart, 0xFFE09F, Changed())
    // clNone paints the text in ColorStart alone.
    LUMORA_PROPERTY(TColor, ColorEnd, m_colorEnd, 0x754F00, Changed())
    // Opacities are bytes: values outside 0..255 are clamped.
    LUMORA_PROPERTY_OWN_SETTER(int, OpacityStart, m_opacityStart, 255)
    LUMORA_PROPERTY_OWN_SETTER(int, OpacityEnd, m_opacityEnd, 255)
    LUMORA_PROPERTY(TGDIPFill::TGradientType, GradientType, m_gradientType, TGDIPFill::gtVertical, Changed())
    LUMORA_PROPERTY(int, HatchStyle, m_hatchStyle, 0, Changed())
    // Copies everything but the font.
    void AssignAllButFont(const TSmoothLabelCaption& other);

    std::function<void()> OnChange;
    // Raised after OnChange when it was Text that changed.
    std::function<void()> OnTextChange;

private:
    void Changed();

    TFont* m_font;
    TFillPicture* m_picture;
};

using TSmoothLabelLocation = TSmoothLabelCaption::TSmoothLabelLocation;

class TSmoothLabel : public TGraphicControl, public IStyledComponent {
    Q_OBJECT
public:
    explicit TSmoothLabel(TComponent* owner = nullptr, QWidget* parent = nullptr);

    TGDIPFill* Fill() const { return m_fill; }
    TSmoothLabelCaption* Caption() const { return m_caption; }
    // Always "1.1.0.1"; writing it (form files store it) changes nothing.
    QString Version() const { return QStringLiteral("1.1.0.1"); }
    void SetVersion(const QString&) {}
    Q_PROPERTY(TGDIPFill* Fill READ Fill)
    Q_PROPERTY(TSmoothLabelCaption* Caption READ Caption)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)
    LUMORA_PROPERTY(bool, Transparent, m_transparent, true, Changed())
    LUMORA_PROPERTY(bool, WordWrap, m_wordWrap, false, Changed())
    LUMORA_EVENT(TNotifyEvent, OnResize)
    // A smooth label keeps its colours under every style.
    void ApplyComponentStyle(TVisualStyle) override {}

    // Copies the other label's fill, its caption without the font, and its
    // Transparent and WordWrap; then repaints.
    void Assign(const TSmoothLabel& other);

    // Draws the label (fill and text) on any painter in the label's own
    // coordinates; the paint event calls it.
    void PaintTo(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void BoundsChanged() override;

private:
    void Changed() { Invalidate(); }

    TGDIPFill* m_fill;
    TSmoothLabelCaption* m_caption;
    bool m_leftPressed = false;
    // The last fill error shown, so that a broken picture is reported once
    // and not at every repaint.
    QString m_reportedFillError;
};
