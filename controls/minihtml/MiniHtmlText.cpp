#include "controls/minihtml/MiniHtmlText.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace minihtml {

namespace {

struct Entity {
    const char16_t* name;
    const char16_t* replacement;
};

// "&amp;" first: the walk in ReplaceTextEntities treats it apart.
constexpr std::array<Entity, 9> kTextEntities = {{
    {u"&amp;", u"&&"},
    {u"&quot;", u"\""},
    {u"&sect;", u"\u00A7"},
    {u"&permil;", u"\u2030"},
    {u"&reg;", u"\u00AE"},
    {u"&copy;", u"\u00A9"},
    {u"&para;", u"\u00B6"},
    {u"&trade;", u"\u2122"},
    {u"&euro;", u"\u20AC"},
}};

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ');
}

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

// Reads the number grammar from text; returns the value and how many
// characters it used and whether it found a digit.
struct NumberRead {
    int value = 0;
    qsizetype used = 0;
    bool digits = false;
};

NumberRead ParseNumber(QStringView text)
{
    NumberRead r;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i < n && (text[i] == QLatin1Char('x') || text[i] == QLatin1Char('X'))) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0')
        && (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    long long v = 0;
    while (i < n) {
        const int d = HexDigit(text[i]);
        if (d < 0 || d >= base)
            break;
        v = std::min<long long>(v * base + d, kNumberLimit);
        r.digits = true;
        ++i;
    }
    r.value = int(negative ? -v : v);
    r.used = i;
    return r;
}

struct NamedColour {
    const char16_t* name;
    TColor color;
};

constexpr NamedColour kColourNames[] = {
    {u"clred", 0x0000FF}, {u"clblack", 0x000000}, {u"clblue", 0xFF0000}, {u"clgreen", 0x008000},
    {u"claqua", 0xFFFF00}, {u"clyellow", 0x00FFFF}, {u"clfuchsia", 0xFF00FF}, {u"clwhite", 0xFFFFFF},
    {u"cllime", 0x00FF00}, {u"clsilver", 0xC0C0C0}, {u"clgray", 0x808080}, {u"clolive", 0x008080},
    {u"clnavy", 0x800000}, {u"clpurple", 0x800080}, {u"clteal", 0x808000}, {u"clmaroon", 0x000080},
    {u"clbackground", SystemColor(1)}, {u"clactivecaption", SystemColor(2)},
    {u"clinactivecaption", SystemColor(3)}, {u"clmenu", SystemColor(4)}, {u"clwindow", SystemColor(5)},
    {u"clwindowframe", SystemColor(6)}, {u"clmenutext", SystemColor(7)}, {u"clwindowtext", SystemColor(8)},
    {u"clcaptiontext", SystemColor(9)}, {u"clactiveborder", SystemColor(10)},
    {u"clinactiveborder", SystemColor(11)}, {u"clappworkspace", SystemColor(12)},
    {u"clhighlight", SystemColor(13)}, {u"clhighlighttext", SystemColor(14)}, {u"clbtnface", SystemColor(15)},
    {u"clbtnshadow", SystemColor(16)}, {u"clgraytext", SystemColor(17)}, {u"clbtntext", SystemColor(18)},
    {u"clinactivecaptiontext", SystemColor(19)}, {u"clbtnhighlight", SystemColor(20)},
    {u"cl3ddkshadow", SystemColor(21)}, {u"cl3dlight", SystemColor(22)}, {u"clinfotext", SystemColor(23)},
    {u"clinfobk", SystemColor(24)},
};

// One hexadecimal pair of "#RRGGBB", counted the loose way: (code - 48)
// below "A", (code - 55) from "A" on.
int ColourPair(QStringView v, qsizetype at)
{
    if (at + 1 >= v.size())
        return 0;
    auto count = [](QChar c) { return c.unicode() < u'A' ? int(c.unicode()) - 48 : int(c.unicode()) - 55; };
    return count(v[at]) * 16 + count(v[at + 1]);
}

} // namespace

QString ReplaceTextEntities(const QString& text)
{
    // No replacement holds a letter or a semicolon, so the only entity a
    // replacement can give rise to starts at the second ampersand of the
    // "&&" that "&amp;" leaves and runs on into the text after it. One walk
    // from left to right that tries that ampersand again gives what sweeps
    // repeated until nothing changes would give, in time linear in the text.
    QString out;
    out.reserve(text.size());
    const QStringView in(text);
    qsizetype i = 0;
    bool pendingAmpersand = false; // the second ampersand of "&amp;", not yet written
    while (i < in.size() || pendingAmpersand) {
        if (!pendingAmpersand && in[i] != QLatin1Char('&')) {
            out += in[i++];
            continue;
        }
        // An entity's name after the pending or the text's own ampersand.
        const qsizetype nameAt = pendingAmpersand ? i : i + 1;
        const QStringView rest = in.mid(nameAt);
        const Entity* found = nullptr;
        for (const Entity& e : kTextEntities) {
            if (rest.startsWith(QStringView(e.name).mid(1), Qt::CaseInsensitive)) {
                found = &e;
                break;
            }
        }
        if (!found) {
            out += QLatin1Char('&');
            if (!pendingAmpersand)
                ++i;
            pendingAmpersand = false;
            continue;
        }
        i = nameAt + QStringView(found->name).size() - 1;
        if (found == &kTextEntities[0]) {
            // "&amp;": the first ampersand is final, the second may open the next entity.
            out += QLatin1Char('&');
            pendingAmpersand = true;
        } else {
            out += QStringView(found->replacement);
            pendingAmpersand = false;
        }
    }
    return out;
}

QString ReplaceRunEntities(QStringView run)
{
    if (!run.contains(QLatin1Char('&')))
        return run.toString();
    QString s = run.toString();
    s.replace(QLatin1String("&nbsp;"), QLatin1String(" "), Qt::CaseInsensitive);
    s.replace(QLatin1String("&lt;"), QLatin1String("<"), Qt::CaseInsensitive);
    s.replace(QLatin1String("&gt;"), QLatin1String(">"), Qt::CaseInsensitive);
    return s;
}

QString PrepareText(const QString& text)
{
    QString s = text.contains(QLatin1Char('&')) ? ReplaceTextEntities(text) : text;
    const qsizetype mark = s.indexOf(QLatin1String("<#"));
    if (mark >= 0) {
        const qsizetype close = s.indexOf(QLatin1Char('>'), mark + 1);
        if (close >= 0)
            s.remove(close, 1);
        s.remove(mark, 1);
    }
    if (s.contains(QLatin1Char('\r')))
        s.replace(QLatin1Char('\r'), QLatin1String("<BR>"));
    s.remove(QLatin1Char('\n'));
    return s;
}

QString PlainText(const QString& text)
{
    const QString prepared = PrepareText(text);
    QString plain;
    qsizetype run = 0;
    auto endRun = [&](qsizetype end) {
        plain += ReplaceRunEntities(QStringView(prepared).mid(run, end - run));
    };
    for (qsizetype i = 0; i < prepared.size(); ++i) {
        if (prepared[i] != QLatin1Char('<'))
            continue;
        const qsizetype close = prepared.indexOf(QLatin1Char('>'), i + 1);
        if (close < 0)
            break; // an open tag at the end shows as text
        endRun(i);
        // Tags that break the line part words; the others only style them.
        const QString name = prepared.mid(i + 1, close - i - 1).section(QLatin1Char(' '), 0, 0).toUpper();
        static const QStringList kBreaks = {u"BR"_qs, u"P"_qs, u"/P"_qs, u"LI"_qs, u"HR"_qs};
        if (kBreaks.contains(name))
            plain += QLatin1Char(' ');
        run = close + 1;
        i = close;
    }
    endRun(prepared.size());
    // As drawn: "&" marks the next character as accelerator, "&&" is one
    // ampersand (what "&amp;" gives).
    QString shown;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (plain[i] == QLatin1Char('&') && ++i >= plain.size())
            break;
        shown += plain[i];
    }
    return shown.simplified();
}

QStringView AttributeText(QStringView tag, int first, int pastClose)
{
    const qsizetype p = tag.indexOf(QLatin1Char('>'));
    if (p < 0)
        return {};
    const qsizetype last = std::min<qsizetype>(tag.size() - 1, p + pastClose);
    if (first > last)
        return {};
    return tag.mid(first, last - first + 1);
}

QString UpperCaseAttributes(QStringView attrs)
{
    QString upper = attrs.toString();
    for (QChar& c : upper)
        c = c.toUpper();
    return upper;
}

bool HasAttribute(QStringView upperAttrs, QStringView name)
{
    return upperAttrs.contains(name);
}

QString QuotedAfter(QStringView text, qsizetype from)
{
    const qsizetype q1 = text.indexOf(QLatin1Char('"'), from);
    if (q1 < 0)
        return {};
    const qsizetype q2 = text.indexOf(QLatin1Char('"'), q1 + 1);
    if (q2 < 0)
        return {};
    return text.mid(q1 + 1, q2 - q1 - 1).toString();
}

QString AttributeValue(QStringView upperAttrs, QStringView attrs, QStringView name)
{
    const qsizetype at = upperAttrs.indexOf(name);
    if (at < 0)
        return {};
    // Both views hold the same characters, one of them upper-cased one by
    // one, so the quote positions agree.
    const qsizetype from = at + name.size();
    const qsizetype q1 = upperAttrs.indexOf(QLatin1Char('"'), from);
    if (q1 < 0)
        return {};
    const qsizetype q2 = upperAttrs.indexOf(QLatin1Char('"'), q1 + 1);
    if (q2 < 0 || q2 > attrs.size())
        return {};
    return attrs.mid(q1 + 1, q2 - q1 - 1).toString();
}

int ReadNumber(QStringView text)
{
    return ParseNumber(text).value;
}

std::optional<int> ReadCleanNumber(QStringView text)
{
    const NumberRead r = ParseNumber(text);
    if (!r.digits || r.used != text.size())
        return std::nullopt;
    return r.value;
}

int ReadSizeValue(QStringView upperAttrs)
{
    const qsizetype at = upperAttrs.indexOf(QLatin1String("SIZE"));
    if (at < 0)
        return 0;
    QStringView rest = upperAttrs.mid(at + 4);
    const qsizetype eq = rest.indexOf(QLatin1Char('='));
    if (eq >= 0)
        rest = rest.mid(eq + 1);
    const qsizetype q = rest.indexOf(QLatin1Char('"'));
    if (q >= 0)
        rest = rest.mid(q + 1);
    return ReadNumber(rest);
}

int FontSizePoints(int n)
{
    switch (n) {
    case 1: return 8;
    case 2: return 10;
    case 3: return 12;
    case 4: return 14;
    case 5: return 16;
    default: return std::clamp(n, -kMaxFontPoints, kMaxFontPoints);
    }
}

TColor ColorValue(QStringView value)
{
    if (value.startsWith(QLatin1Char('#')))
        return RGB(ColourPair(value, 1), ColourPair(value, 3), ColourPair(value, 5));
    const QString lower = value.toString().toLower();
    for (const NamedColour& c : kColourNames)
        if (lower == QStringView(c.name))
            return c.color;
    return clBlack;
}

} // namespace minihtml
