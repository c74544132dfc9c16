#pragma once
// The text side of the mini-HTML renderer: preparing a text before it is
// laid out (entities, the "<#" marker, line ends), cutting attribute texts
// out of tags, reading attribute values, numbers and colours. Pure string
// functions, no drawing. Nothing here reads past the end of its input.
#include "controls/paint/Color.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace minihtml {

// Entities of the whole text ("&amp;" -> "&&", "&quot;", "&sect;", ...),
// case-insensitively, until none is left: an entity that a replacement
// gives rise to ("&amp;quot;" -> "&&quot;") is replaced too. One walk,
// linear in the text.
QString ReplaceTextEntities(const QString& text);
// The entities that are replaced inside each run: "&nbsp;" (a blank),
// "&lt;" and "&gt;", case-insensitively.
QString ReplaceRunEntities(QStringView run);
// All preparation of a text: entities when it holds "&", the first "<#"
// marker (its "<" and the first ">" after it go), CR to "<BR>", LF dropped.
QString PrepareText(const QString& text);

// The words a marked-up text shows, for a screen reader: the prepared text
// without its tags (a line break, paragraph, rule or list item parts the
// words with a blank),
// entities resolved, accelerator marks taken out ("&&" is one ampersand),
// runs of blanks made one. "<FONT face=\"Arial\">Lumora
// 1.1</FONT> - find" gives "Lumora 1.1 - find".
QString PlainText(const QString& text);

// The attribute text of a tag that starts at tag[0] == '<', with the first
// ">" at 0-based position p (-1 when there is none): the characters from
// `first` (0-based) up to p + `pastClose` (inclusive), cut at the text's
// end. FONT takes (5, -1), BODY (5, 4), P/IMG/A/IN/OF/R (2, 1).
QStringView AttributeText(QStringView tag, int first, int pastClose);

// An attribute text in upper case, character by character: a character
// whose upper case is longer ("ß") stays as it is, so that every position
// in the result is the same position in the text as written.
QString UpperCaseAttributes(QStringView attrs);

// Whether `name` occurs in the upper-cased attribute text.
bool HasAttribute(QStringView upperAttrs, QStringView name);
// The value of attribute `name`: the text between the first and the second
// double quote after the name's first occurrence in `upperAttrs`, cut from
// `attrs` (the same text as written, for values that keep their case;
// `upperAttrs` must come from UpperCaseAttributes for the positions to agree).
// Empty when the name is absent or fewer than two quotes follow.
QString AttributeValue(QStringView upperAttrs, QStringView attrs, QStringView name);
inline QString AttributeValue(QStringView upperAttrs, QStringView name)
{
    return AttributeValue(upperAttrs, upperAttrs, name);
}
// The text between the first two double quotes at or after `from`.
QString QuotedAfter(QStringView text, qsizetype from);

// Leading blanks, an optional sign, decimal digits or, after "$", "x" or
// "0x", hexadecimal digits; stops at the first other character and keeps
// what it read; no digits give 0. Values saturate at +-kNumberLimit.
inline constexpr int kNumberLimit = 1 << 24;
int ReadNumber(QStringView text);
// The same, but only when the whole text reads (no stray character, at
// least one digit).
std::optional<int> ReadCleanNumber(QStringView text);
// FONT SIZE: the text after "SIZE", then after the next "=", then after
// the next double quote when there is one, read as a number.
int ReadSizeValue(QStringView upperAttrs);
// Points for a FONT SIZE value: 1..5 give 8, 10, 12, 14, 16; anything else
// is taken as points, kept within +-kMaxFontPoints.
inline constexpr int kMaxFontPoints = 1000;
int FontSizePoints(int n);

// A colour value: "#RRGGBB" (each pair read alone, a pair cut short counts
// 0) or a "cl" name of the renderer's table, without regard to case; any
// other value is black.
TColor ColorValue(QStringView value);

} // namespace minihtml
