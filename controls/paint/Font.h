#pragma once
// A control's font: face, height (negative: character height in pixels, as
// the form files give it; positive: cell height), style and colour.
#include "controls/paint/Color.h"

#include <QFlags>
#include <QFont>
#include <QObject>
#include <functional>

class TFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Charset READ Charset WRITE SetCharset)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_PROPERTY(TFontStyles Style READ Style WRITE SetStyle)
public:
    enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
    Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
    Q_FLAG(TFontStyles)

    explicit TFont(QObject* parent = nullptr);

    int Charset() const { return m_charset; }
    void SetCharset(int v) { m_charset = v; }
    TColor Color() const { return m_color; }
    void SetColor(TColor v);
    int Height() const { return m_height; }
    void SetHeight(int v);
    const QString& Name() const { return m_name; }
    void SetName(const QString& v);
    // Size in points at 96 dpi: Size = -Height * 72 / 96.
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles v);

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

    int m_charset = 1;
    TColor m_color = clWindowText;
    int m_height = -11;
    QString m_name = QStringLiteral("MS Sans Serif");
    TFontStyles m_style;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(TFont::TFontStyles)

using TFontStyles = TFont::TFontStyles;
inline constexpr TFont::TFontStyle fsBold = TFont::fsBold;
inline constexpr TFont::TFontStyle fsItalic = TFont::fsItalic;
inline constexpr TFont::TFontStyle fsUnderline = TFont::fsUnderline;
inline constexpr TFont::TFontStyle fsStrikeOut = TFont::fsStrikeOut;
