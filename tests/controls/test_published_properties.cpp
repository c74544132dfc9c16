// Every published property of every class the form reader can create,
// written with the value it already has, on a shown form that holds one of
// each: no widget of the application may repaint for it. The events are
// among them: an event written with the handler it holds changes nothing.
#include "controls/core/ComponentRegistry.h"
#include "controls/core/Form.h"
#include "PublishedPropertiesKit.h"

#include <QApplication>
#include <QMetaProperty>
#include <QTest>
#include <gtest/gtest.h>

#include <exception>
#include <memory>

namespace {

// Counts the paints of every widget of the application.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint || e->type() == QEvent::UpdateRequest)
            ++paints;
        return false;
    }
};

void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }
}

struct WriteBack {
    PaintCounter& counter;
    QStringList& repainted;

    // Writes every writable published property of `object` with its own value.
    void Object(QObject* object, const QString& path)
    {
        WalkPublished(object, path, [this](QObject* o, const QMetaProperty& p, const QString& where, const QVariant& value) {
            if (p.isWritable())
                Write(o, p, value, where);
        });
    }

    void Write(QObject* object, const QMetaProperty& p, const QVariant& value, const QString& where)
    {
        Settle();
        counter.paints = 0;
        try {
            EXPECT_TRUE(p.write(object, value)) << where.toStdString();
        } catch (const std::exception& e) {
            ADD_FAILURE() << where.toStdString() << " refused its own value: " << e.what();
        }
        Settle();
        if (counter.paints != 0)
            repainted << where;
    }
};

TEST(PublishedProperties, WritingThePropertyValueAlreadyHeldRepaintsNothing)
{
    // Writes that repaint by their class's own rule: Checked always
    // repaints the check box, and assigning a smooth label's picture
    // repaints it whatever the picture holds.
    const QStringList repaintByRule = {QStringLiteral("TOfficeCheckBox.Checked"),
        QStringLiteral("TSmoothLabel.Caption.Picture"), QStringLiteral("TSmoothLabel.Fill.Picture"),
        QStringLiteral("TSmoothLabel.Fill.BackGroundPicture")};

    TForm form;
    form.SetBounds(0, 0, 900, 700);
    std::vector<std::pair<QString, TComponent*>> components;
    const QStringList classes = RegisteredComponentClasses();
    ASSERT_GE(classes.size(), 10);
    int n = 0;
    for (const QString& name : classes) {
        TComponent* c = CreateComponent(name, &form, &form);
        ASSERT_NE(c, nullptr) << name.toStdString();
        c->SetName(QStringLiteral("C%1").arg(n));
        // Side by side, each at its own size within 170 x 130 (those
        // without a size of their own at 170 x 130).
        if (auto* control = dynamic_cast<TControl*>(c)) {
            auto within = [](int size, int most) { return size > 0 ? std::min(size, most) : most; };
            control->SetBounds(n % 5 * 180, n / 5 * 140, within(control->Width(), 170), within(control->Height(), 130));
        }
        components.emplace_back(name, c);
        ++n;
    }
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    PaintCounter counter;
    qApp->installEventFilter(&counter);
    // The counter sees every control repaint.
    for (const auto& [name, c] : components) {
        if (auto* w = qobject_cast<QWidget*>(c->AsQObject())) {
            Settle();
            counter.paints = 0;
            w->update();
            Settle();
            EXPECT_GT(counter.paints, 0) << name.toStdString();
        }
    }
    QStringList repainted;
    WriteBack writer {counter, repainted};
    for (const auto& [name, c] : components)
        writer.Object(c->AsQObject(), name);
    qApp->removeEventFilter(&counter);

    for (const QString& ok : repaintByRule)
        repainted.removeAll(ok);
    EXPECT_TRUE(repainted.isEmpty()) << "repainted: " << repainted.join(QStringLiteral(", ")).toStdString();
}

// Enumerations read back as their own type and are written as numbers.
bool SameValue(const QMetaProperty& p, const QVariant& a, const QVariant& b)
{
    return p.isEnumType() ? a.toInt() == b.toInt() : a == b;
}

QVariantList ReadAll(const QObject* o)
{
    QVariantList values;
    const QMetaObject* mo = o->metaObject();
    for (int i = FirstOwnProperty(mo); i < mo->propertyCount(); ++i)
        values << mo->property(i).read(o);
    return values;
}

// Every published value of every class keeps what is written to it, and
// writing it changes no other value of the same object: a value bound to
// another's storage, or read from where its setter does not write, shows.
TEST(PublishedProperties, EachValueKeepsWhatIsWrittenAndTouchesNoOther)
{
    // Values that follow another by the class's rule (one value seen two
    // ways, a size that follows the text or the count, a style that
    // follows the theme), and writes the class refuses by its rule.
    const QStringList follows = {
        QStringLiteral("TFont.Height>Size"), QStringLiteral("TFont.Size>Height"),
        QStringLiteral("TOfficeCheckBox.Checked>State"), QStringLiteral("TOfficeCheckBox.State>Checked"),
        QStringLiteral("TAppStyler.AutoThemeAdapt>Style"), QStringLiteral("TFormStyler.AutoThemeAdapt>Style"),
        QStringLiteral("TLabel.Caption>Width"),
        QStringLiteral("TStringGrid.ColCount>ColWidths"), QStringLiteral("TStringGrid.DefaultColWidth>ColWidths"),
        QStringLiteral("TStringGrid.RowCount>RowHeights"), QStringLiteral("TStringGrid.DefaultRowHeight>RowHeights"),
        QStringLiteral("TStyledStringGrid.ColCount>ColWidths"),
        QStringLiteral("TStyledStringGrid.DefaultColWidth>ColWidths"),
        QStringLiteral("TStyledStringGrid.RowCount>RowHeights"),
        QStringLiteral("TStyledStringGrid.DefaultRowHeight>RowHeights"),
    };
    const QStringList refused = {
        QStringLiteral("TGlowButton.Down"),          // a push button outside a group does not stay down
        QStringLiteral("TOfficeSelector.ItemIndex"), // there is no item to choose
        QStringLiteral("TSmoothLabel.Version"),      // fixed
    };
    TForm form;
    QStringList faults;
    for (const QString& name : RegisteredComponentClasses()) {
        TComponent* c = CreateComponent(name, &form, &form);
        ASSERT_NE(c, nullptr) << name.toStdString();
        WalkPublished(c->AsQObject(), name, [&](QObject* o, const QMetaProperty& p, const QString& where, const QVariant& value) {
            const QVariant other = OtherValue(p, value);
            if (!p.isWritable() || !other.isValid())
                return;
            const QVariantList before = ReadAll(o);
            try {
                p.write(o, other);
            } catch (const std::exception&) {
                return; // refused with its reason, as the class's own tests check
            }
            const QVariantList after = ReadAll(o);
            const QMetaObject* mo = o->metaObject();
            const int first = FirstOwnProperty(mo);
            for (int i = first; i < mo->propertyCount(); ++i) {
                const QMetaProperty q = mo->property(i);
                if (i == p.propertyIndex()) {
                    if (!SameValue(q, after[i - first], other) && !refused.contains(where))
                        faults << where + QStringLiteral(" does not keep what is written");
                    continue;
                }
                if (qstrcmp(q.name(), p.name()) == 0 || SameValue(q, after[i - first], before[i - first]))
                    continue;
                const QString pair = QLatin1String(mo->className()) + u'.' + QLatin1String(p.name()) + u'>' +
                                     QLatin1String(q.name());
                if (!follows.contains(pair))
                    faults << where + QStringLiteral(" changed ") + QLatin1String(q.name());
            }
            p.write(o, value);
        });
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QStringLiteral("\n")).toStdString();
}

} // namespace
