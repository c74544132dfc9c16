// What every class that takes part in styling takes from every visual
// style, read through its published properties, against the recorded table
// in tests/controls/style-colours.txt.
//
// For each style a fresh instance first has every writable colour marked
// with a value of its own, then ApplyComponentStyle runs; a colour the style
// leaves alone reads "kept". A property is listed when some style makes it
// differ from the marked fresh instance (the first column). Every styled
// class has its line, also one that no style changes.
//
// tools/make-style-colours.sh writes the file again (it runs this test with
// LUMORA_RECORD_STYLE_COLOURS set).
#include "controls/core/ComponentRegistry.h"
#include "controls/core/Form.h"
#include "controls/paint/Color.h"
#include "controls/style/VisualStyle.h"
#include "PublishedPropertiesKit.h"

#include <QFile>
#include <QMetaEnum>
#include <QMetaProperty>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <set>

namespace {

constexpr TVisualStyle kStyles[] = {tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic,
    tsOffice2007Luna, tsOffice2007Obsidian, tsWindowsXP, tsWhidbey, tsCustom, tsOffice2007Silver, tsWindowsVista,
    tsWindows7, tsTerminal};

bool IsColour(const QMetaProperty& p)
{
    return p.metaType() == QMetaType::fromType<TColor>() && QByteArray(p.name()).contains("Color");
}

// Calls visit(object, property, path) for every published value that is
// not an object of its own.
template <class Visit>
void Walk(QObject* object, const QString& path, Visit&& visit)
{
    WalkPublished(object, path, [&](QObject* o, const QMetaProperty& p, const QString& where, const QVariant& value) {
        if (!value.metaType().flags().testFlag(QMetaType::PointerToQObject))
            visit(o, p, where);
    });
}

// A colour no style gives: the n-th writable colour of an instance.
TColor Mark(int n) { return TColor(0x5A0000 + n); }

QString Text(const QMetaProperty& p, const QVariant& value, std::optional<TColor> mark)
{
    if (IsColour(p)) {
        const TColor c = value.value<TColor>();
        if (mark && c == *mark)
            return QStringLiteral("kept");
        return QStringLiteral("0x") + QString::number(quint32(c), 16).toUpper().rightJustified(6, QLatin1Char('0'));
    }
    if (p.isEnumType())
        return QString::fromLatin1(p.enumerator().valueToKey(value.toInt()));
    return value.toString();
}

// path -> the text of each column: the marked fresh instance, then each style.
using Columns = std::map<QString, QStringList>;

// One fresh instance of `className`, its colours marked, styled with `style`
// (none: left unstyled); false when the class takes no style.
bool RecordColumn(const QString& className, std::optional<TVisualStyle> style, Columns& columns)
{
    TForm form;
    TComponent* c = CreateComponent(className, &form, &form);
    if (!c)
        return false;
    auto* styled = dynamic_cast<IStyledComponent*>(c);
    if (!styled)
        return false;
    std::map<QString, TColor> marks;
    Walk(c->AsQObject(), className, [&](QObject* o, const QMetaProperty& p, const QString& where) {
        if (IsColour(p) && p.isWritable()) {
            const TColor mark = Mark(int(marks.size()));
            if (p.write(o, QVariant::fromValue(mark)))
                marks[where] = mark;
        }
    });
    if (style)
        styled->ApplyComponentStyle(*style);
    Walk(c->AsQObject(), className, [&](QObject* o, const QMetaProperty& p, const QString& where) {
        const auto mark = marks.find(where);
        columns[where] << Text(p, p.read(o), mark == marks.end() ? std::nullopt : std::optional(mark->second));
    });
    return true;
}

// The whole table as text: a header, then per styled class its line and
// the lines of the properties some style changes.
QString StyleTable()
{
    QString out = QStringLiteral("property\tfresh");
    for (TVisualStyle s : kStyles)
        out += QLatin1Char('\t') + QString::fromLatin1(QMetaEnum::fromType<TVisualStyle>().valueToKey(s));
    out += QLatin1Char('\n');
    QStringList classes = RegisteredComponentClasses();
    classes.sort();
    for (const QString& name : classes) {
        Columns columns;
        if (!RecordColumn(name, std::nullopt, columns))
            continue;
        for (TVisualStyle s : kStyles)
            RecordColumn(name, s, columns);
        out += name + QLatin1Char('\n');
        for (const auto& [path, texts] : columns) {
            if (texts.count(texts.front()) == texts.size())
                continue;
            out += path + QLatin1Char('\t') + texts.join(QLatin1Char('\t')) + QLatin1Char('\n');
        }
    }
    return out;
}

TEST(StyleTables, EveryStyledClassTakesTheRecordedValuesFromEveryStyle)
{
    const QString file = QString::fromLocal8Bit(std::getenv("LUMORA_SOURCE_DIR"))
        + QStringLiteral("/tests/controls/style-colours.txt");
    const QString table = StyleTable();
    if (std::getenv("LUMORA_RECORD_STYLE_COLOURS")) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << file.toStdString();
        ASSERT_EQ(out.write(table.toUtf8()), table.toUtf8().size());
        GTEST_SKIP() << "recorded " << file.toStdString();
    }
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << file.toStdString();
    const QString recorded = QString::fromUtf8(in.readAll());

    // Reported line by line: what the controls give now that the record
    // does not hold, and what the record holds that they no longer give.
    const QStringList now = table.split(QLatin1Char('\n'));
    const QStringList then = recorded.split(QLatin1Char('\n'));
    const std::set<QString> nowSet(now.begin(), now.end());
    const std::set<QString> thenSet(then.begin(), then.end());
    for (const QString& line : now)
        EXPECT_TRUE(thenSet.count(line)) << "not recorded: " << line.toStdString();
    for (const QString& line : then)
        EXPECT_TRUE(nowSet.count(line)) << "no longer given: " << line.toStdString();
    EXPECT_EQ(table, recorded) << "the lines are the same but their order differs";
    EXPECT_GT(now.size(), 60) << "the table lists too little to mean anything";
}

} // namespace
