#pragma once
// A control's font: face, height (negative: character height in pixels, as
// the form files give it; positive: cell height), style and colour.
#include "controls/paint/Color.h"
#include "controls/paint/Property.h"

#include <QFlags>
#include <QFont>
#include <QObject>
#include <functional>

class TFont : public QObject {
    Q_OBJECT
public:
    enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
    Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
    Q_FLAG(TFontStyles)

    explicit TFont(QObject* parent = nullptr);

    LUMORA_PROPERTY(int, Charset, m_charset, 1, )
    LUMORA_PROPERTY(TColor, Color, m_color, clWindowText, Changed())
    LUMORA_PROPERTY(int, Height, m_height, -11, Changed())
    LUMORA_PROPERTY(QString, Name, m_name, QStringLiteral("MS Sans Serif"), Changed())
    // Size in points at 96 dpi: Size = -Height * 72 / 96.
    Q_PROPERTY(int Size READ Size WRITE SetSize)

    int Size() const;
    void SetSize(int points);
    LUMORA_PROPERTY(TFontStyles, Style, m_style, {}, Changed())
    // Copies face, height, style and colour; raises OnChange once when
    // anything differed.
    void Assign(const TFont& other);
    bool SameAs(const TFont& other) const;

    // The QFont to draw with (pixel size from Height, family substitution
    // left to Qt's font database and the embedded fonts) on a surface of
    // `ratio` device pixels per logical pixel.
    QFont ToQFont(double ratio = 1.0) const;

    // Raised after every change of a value.
    std::function<void(TFont*)> OnChange;

private:
    void Changed();
};
Q_DECLARE_OPERATORS_FOR_FLAGS(TFont::TFontStyles)

using TFontStyles = TFont::TFontStyles;
using enum TFont::TFontStyle;
