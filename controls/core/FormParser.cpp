#include "controls/core/FormParser.h"

namespace formfile {

void Fail(int line, const QString& message)
{
    throw Failure{TFormError{line, message}};
}

QString Describe(Value::Kind kind)
{
    switch (kind) {
    case Value::Kind::Ident: return QStringLiteral("a name");
    case Value::Kind::String: return QStringLiteral("a string");
    case Value::Kind::Integer: return QStringLiteral("an integer");
    case Value::Kind::Real: return QStringLiteral("a number");
    case Value::Kind::Set: return QStringLiteral("a set");
    case Value::Kind::List: return QStringLiteral("a list");
    case Value::Kind::Binary: return QStringLiteral("binary data");
    case Value::Kind::Resource: return QStringLiteral("a resource");
    }
    return {};
}

namespace {

// Deeper nesting than any window needs; keeps hostile input off the stack.
constexpr int kMaxDepth = 64;

bool IsIdentStart(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_'; }
bool IsIdentChar(QChar c) { return IsIdentStart(c) || (c >= u'0' && c <= u'9'); }
bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
int HexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return -1;
}

class Parser {
public:
    explicit Parser(const QByteArray& text)
        : m_src(QString::fromUtf8(text))
    {
    }

    Object ParseRoot()
    {
        SkipBlank(true);
        if (AtEnd())
            Fail(m_line, QStringLiteral("expected 'object' (the file is empty)"));
        const QString word = ReadIdent();
        if (word.compare(u"object", Qt::CaseInsensitive) != 0)
            Fail(m_line, QStringLiteral("expected 'object' at the start of the file"));
        Object root = ParseObject(0);
        SkipBlank(true);
        if (!AtEnd())
            Fail(m_line, QStringLiteral("expected the end of the file after the 'end' of %1").arg(root.name));
        return root;
    }

private:
    bool AtEnd() const { return m_pos >= m_src.size(); }
    QChar Peek(int ahead = 0) const
    {
        const qsizetype i = m_pos + ahead;
        return i < m_src.size() ? m_src[i] : QChar();
    }

    // Skips blanks and comments; with newlines also line breaks.
    void SkipBlank(bool newlines)
    {
        while (!AtEnd()) {
            const QChar c = Peek();
            if (c == u' ' || c == u'\t' || c == u'\r') {
                ++m_pos;
            } else if (c == u'\n' && newlines) {
                ++m_pos;
                ++m_line;
            } else if (c == u'/' && Peek(1) == u'/') {
                while (!AtEnd() && Peek() != u'\n')
                    ++m_pos;
            } else {
                break;
            }
        }
    }

    // Blanks and a comment, then a line break or the end of the text.
    void EndOfLine(const QString& after)
    {
        SkipBlank(false);
        if (AtEnd())
            return;
        if (Peek() != u'\n')
            Fail(m_line, QStringLiteral("expected the end of the line after %1").arg(after));
    }

    QString ReadIdent()
    {
        const qsizetype start = m_pos;
        if (AtEnd() || !IsIdentStart(Peek()))
            return {};
        while (!AtEnd() && IsIdentChar(Peek()))
            ++m_pos;
        return m_src.mid(start, m_pos - start);
    }

    Object ParseObject(int depth)
    {
        Object o;
        o.line = m_line;
        SkipBlank(false);
        o.name = ReadIdent();
        if (o.name.isEmpty())
            Fail(m_line, QStringLiteral("expected a component name after 'object'"));
        SkipBlank(false);
        if (Peek() != u':')
            Fail(m_line, QStringLiteral("expected ':' and a class name after '%1'").arg(o.name));
        ++m_pos;
        SkipBlank(false);
        o.className = ReadIdent();
        if (o.className.isEmpty())
            Fail(m_line, QStringLiteral("expected a class name after '%1:'").arg(o.name));
        EndOfLine(QStringLiteral("'object %1: %2'").arg(o.name, o.className));

        for (;;) {
            SkipBlank(true);
            if (AtEnd())
                Fail(m_line, QStringLiteral("expected 'end' for object %1 (opened on line %2)").arg(o.name).arg(o.line));
            const int line = m_line;
            const QString word = ReadIdent();
            if (word.isEmpty())
                Fail(line, QStringLiteral("expected a property name, 'object' or 'end' in object %1").arg(o.name));
            if (word.compare(u"end", Qt::CaseInsensitive) == 0) {
                o.endLine = line;
                EndOfLine(QStringLiteral("'end'"));
                return o;
            }
            if (word.compare(u"object", Qt::CaseInsensitive) == 0) {
                if (depth + 1 >= kMaxDepth)
                    Fail(line, QStringLiteral("objects are nested too deeply (more than %1 levels)").arg(kMaxDepth));
                o.order.emplace_back(true, o.children.size());
                o.children.push_back(ParseObject(depth + 1));
                continue;
            }
            Property p;
            p.line = line;
            p.path << word;
            while (Peek() == u'.') {
                ++m_pos;
                const QString part = ReadIdent();
                if (part.isEmpty())
                    Fail(line, QStringLiteral("expected a property name after '%1.'").arg(p.path.join(u'.')));
                p.path << part;
            }
            const QString name = p.path.join(u'.');
            SkipBlank(false);
            if (Peek() != u'=')
                Fail(line, QStringLiteral("expected '=' after '%1'").arg(name));
            ++m_pos;
            SkipBlank(false);
            p.value = ParseValue(name);
            EndOfLine(QStringLiteral("the value of '%1'").arg(name));
            o.order.emplace_back(false, o.properties.size());
            o.properties.push_back(std::move(p));
        }
    }

    Value ParseValue(const QString& name)
    {
        const QChar c = Peek();
        if (c == u'\'' || c == u'#')
            return ParseString();
        if (c == u'-' || c == u'+' || c == u'$' || IsDigit(c))
            return ParseNumber();
        if (IsIdentStart(c)) {
            Value v;
            v.line = m_line;
            v.kind = Value::Kind::Ident;
            v.text = ReadIdent();
            return v;
        }
        if (c == u'[')
            return ParseSet();
        if (c == u'(')
            return ParseList();
        if (c == u'{')
            return ParseBinary();
        if (c == u'@')
            return ParseResource();
        Fail(m_line, QStringLiteral("expected a value after '%1 ='").arg(name));
    }

    Value ParseString()
    {
        Value v;
        v.kind = Value::Kind::String;
        v.line = m_line;
        for (;;) {
            if (Peek() == u'\'') {
                ++m_pos;
                for (;;) {
                    if (AtEnd() || Peek() == u'\n')
                        Fail(v.line, QStringLiteral("unterminated string (a quoted piece must end on its own line)"));
                    const QChar ch = Peek();
                    ++m_pos;
                    if (ch == u'\'') {
                        if (Peek() == u'\'') {
                            v.text += u'\'';
                            ++m_pos;
                            continue;
                        }
                        break;
                    }
                    v.text += ch;
                }
            } else if (Peek() == u'#') {
                ++m_pos;
                quint32 code = 0;
                int digits = 0;
                if (Peek() == u'$') {
                    ++m_pos;
                    while (HexDigit(Peek()) >= 0) {
                        code = code * 16 + quint32(HexDigit(Peek()));
                        ++m_pos;
                        if (++digits > 6)
                            Fail(m_line, QStringLiteral("character code too large (at most #$10FFFF)"));
                    }
                } else {
                    while (IsDigit(Peek())) {
                        code = code * 10 + quint32(Peek().unicode() - u'0');
                        ++m_pos;
                        if (++digits > 7)
                            Fail(m_line, QStringLiteral("character code too large (at most #1114111)"));
                    }
                }
                if (digits == 0)
                    Fail(m_line, QStringLiteral("expected a character code after '#'"));
                if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                    Fail(m_line, QStringLiteral("#%1 is not a character code").arg(code));
                const char32_t ch = code;
                v.text += QString::fromUcs4(&ch, 1);
            } else {
                break;
            }
            // Pieces follow each other directly, or across a "+" at the end
            // of a line.
            if (Peek() == u'\'' || Peek() == u'#')
                continue;
            const qsizetype save = m_pos;
            SkipBlank(false);
            if (Peek() == u'+') {
                ++m_pos;
                SkipBlank(true);
                if (Peek() != u'\'' && Peek() != u'#')
                    Fail(m_line, QStringLiteral("expected a string after '+'"));
                continue;
            }
            m_pos = save;
            break;
        }
        return v;
    }

    Value ParseNumber()
    {
        Value v;
        v.line = m_line;
        v.kind = Value::Kind::Integer;
        const qsizetype start = m_pos;
        if (Peek() == u'-' || Peek() == u'+') {
            v.negative = Peek() == u'-';
            ++m_pos;
        }
        if (Peek() == u'$') {
            ++m_pos;
            v.hex = true;
            int digits = 0;
            while (HexDigit(Peek()) >= 0) {
                if (++digits > 16)
                    Fail(m_line, QStringLiteral("hexadecimal number too large"));
                v.magnitude = v.magnitude * 16 + quint64(HexDigit(Peek()));
                ++m_pos;
            }
            if (digits == 0)
                Fail(m_line, QStringLiteral("expected hexadecimal digits after '$'"));
        } else {
            if (!IsDigit(Peek()))
                Fail(m_line, QStringLiteral("expected digits"));
            constexpr quint64 kMax = quint64(std::numeric_limits<qint64>::max()) + 1;
            while (IsDigit(Peek())) {
                const quint64 d = quint64(Peek().unicode() - u'0');
                if (v.magnitude > (kMax - d) / 10)
                    Fail(m_line, QStringLiteral("number too large"));
                v.magnitude = v.magnitude * 10 + d;
                ++m_pos;
            }
            const bool fraction = Peek() == u'.' && IsDigit(Peek(1));
            const bool exponent = (Peek() == u'e' || Peek() == u'E')
                && (IsDigit(Peek(1)) || ((Peek(1) == u'-' || Peek(1) == u'+') && IsDigit(Peek(2))));
            if (fraction || exponent) {
                if (fraction) {
                    ++m_pos;
                    while (IsDigit(Peek()))
                        ++m_pos;
                }
                if (Peek() == u'e' || Peek() == u'E') {
                    ++m_pos;
                    if (Peek() == u'-' || Peek() == u'+')
                        ++m_pos;
                    if (!IsDigit(Peek()))
                        Fail(m_line, QStringLiteral("expected digits in the exponent"));
                    while (IsDigit(Peek()))
                        ++m_pos;
                }
                bool ok = false;
                v.kind = Value::Kind::Real;
                v.real = m_src.mid(start, m_pos - start).toDouble(&ok);
                if (!ok)
                    Fail(m_line, QStringLiteral("number out of range"));
            } else if (!v.negative && v.magnitude == kMax) {
                Fail(m_line, QStringLiteral("number too large"));
            }
        }
        if (IsIdentChar(Peek()) || Peek() == u'.')
            Fail(m_line, QStringLiteral("expected a number, found '%1'")
                             .arg(m_src.mid(start, std::min<qsizetype>(m_pos - start + 1, 40))));
        return v;
    }

    Value ParseSet()
    {
        Value v;
        v.kind = Value::Kind::Set;
        v.line = m_line;
        ++m_pos; // [
        SkipBlank(true);
        if (Peek() == u']') {
            ++m_pos;
            return v;
        }
        for (;;) {
            SkipBlank(true);
            const QString name = ReadIdent();
            if (name.isEmpty())
                Fail(m_line, QStringLiteral("expected a name in the set"));
            v.names << name;
            SkipBlank(true);
            if (Peek() == u',') {
                ++m_pos;
                continue;
            }
            if (Peek() == u']') {
                ++m_pos;
                return v;
            }
            Fail(m_line, AtEnd() ? QStringLiteral("expected ']' to close the set opened on line %1").arg(v.line)
                                 : QStringLiteral("expected ',' or ']' in the set"));
        }
    }

    Value ParseList()
    {
        Value v;
        v.kind = Value::Kind::List;
        v.line = m_line;
        ++m_pos; // (
        for (;;) {
            SkipBlank(true);
            if (AtEnd())
                Fail(m_line, QStringLiteral("expected ')' to close the list opened on line %1").arg(v.line));
            const QChar c = Peek();
            if (c == u')') {
                ++m_pos;
                return v;
            }
            if (c == u'\'' || c == u'#') {
                v.items.push_back(ParseString());
            } else if (c == u'-' || c == u'+' || c == u'$' || IsDigit(c)) {
                v.items.push_back(ParseNumber());
            } else if (IsIdentStart(c)) {
                Value item;
                item.line = m_line;
                item.kind = Value::Kind::Ident;
                item.text = ReadIdent();
                v.items.push_back(std::move(item));
            } else {
                Fail(m_line, QStringLiteral("expected a string, a number, a name or ')' in the list"));
            }
        }
    }

    Value ParseBinary()
    {
        Value v;
        v.kind = Value::Kind::Binary;
        v.line = m_line;
        ++m_pos; // {
        int high = -1;
        for (;;) {
            if (AtEnd())
                Fail(m_line, QStringLiteral("expected '}' to close the binary data opened on line %1").arg(v.line));
            const QChar c = Peek();
            ++m_pos;
            if (c == u'}')
                break;
            if (c == u'\n') {
                ++m_line;
                continue;
            }
            if (c == u' ' || c == u'\t' || c == u'\r')
                continue;
            const int d = HexDigit(c);
            if (d < 0)
                Fail(m_line, QStringLiteral("expected hexadecimal digits or '}' in binary data"));
            if (high < 0) {
                high = d;
            } else {
                v.bytes.append(char(high * 16 + d));
                high = -1;
            }
        }
        if (high >= 0)
            Fail(v.line, QStringLiteral("binary data has an odd number of hexadecimal digits"));
        return v;
    }

    Value ParseResource()
    {
        Value v;
        v.kind = Value::Kind::Resource;
        v.line = m_line;
        ++m_pos; // @
        const qsizetype start = m_pos;
        while (!AtEnd()) {
            const QChar c = Peek();
            if (IsIdentChar(c) || c == u'.' || c == u'/' || c == u'-')
                ++m_pos;
            else
                break;
        }
        v.text = m_src.mid(start, m_pos - start);
        if (v.text.isEmpty())
            Fail(m_line, QStringLiteral("expected a resource path after '@'"));
        return v;
    }

    QString m_src;
    qsizetype m_pos = 0;
    int m_line = 1;
};

} // namespace

Object ParseFormText(const QByteArray& text)
{
    return Parser(text).ParseRoot();
}

} // namespace formfile
