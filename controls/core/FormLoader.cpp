#include "controls/core/FormReader.h"

#include "controls/core/Component.h"
#include "controls/core/ComponentRegistry.h"
#include "controls/core/Control.h"
#include "controls/core/Events.h"
#include "controls/core/FormParser.h"
#include "controls/core/Frame.h"
#include "controls/paint/Color.h"

#include <QFile>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <cstring>
#include <exception>
#include <limits>
#include <vector>

QString TFormError::ToString() const
{
    if (Line <= 0)
        return Message;
    return QStringLiteral("Line %1: %2").arg(Line).arg(Message);
}

namespace {

using namespace formfile;

// The integer value if it fits [lo, hi]; hexadecimal numbers may also give
// the bit pattern of a signed type (so $FF000000 is a 32-bit system colour).
bool FitInteger(const Value& v, qint64 lo, quint64 hi, int bits, qint64& out)
{
    if (v.negative) {
        const quint64 limit = quint64(-(lo + 1)) + 1; // |lo| without overflow
        if (v.magnitude > limit)
            return false;
        out = v.magnitude == limit ? lo : -qint64(v.magnitude);
        return true;
    }
    if (v.magnitude <= hi) {
        out = qint64(v.magnitude);
        return true;
    }
    if (v.hex && lo < 0) {
        const quint64 mask = bits >= 64 ? ~quint64(0) : (quint64(1) << bits) - 1;
        if (v.magnitude <= mask) {
            // Sign-extend the bit pattern.
            const quint64 sign = quint64(1) << (bits - 1);
            out = qint64((v.magnitude ^ sign) - sign);
            return true;
        }
    }
    return false;
}

QString KeysOf(const QMetaEnum& e)
{
    QStringList keys;
    for (int i = 0; i < e.keyCount(); ++i)
        keys << QString::fromLatin1(e.key(i));
    return keys.join(QStringLiteral(", "));
}

std::optional<int> KeyValue(const QMetaEnum& e, const QString& key)
{
    for (int i = 0; i < e.keyCount(); ++i)
        if (key.compare(QLatin1String(e.key(i)), Qt::CaseInsensitive) == 0)
            return e.value(i);
    return std::nullopt;
}

// An identifier given for an integer property: a colour, or a value of one
// of the enumerations of the object's class or of TControl (cursors).
std::optional<qint64> IntegerIdent(const QObject* obj, const QString& name)
{
    if (auto color = ColorFromIdent(name))
        return *color;
    for (const QMetaObject* mo : {obj->metaObject(), &TControl::staticMetaObject}) {
        for (int i = 0; i < mo->enumeratorCount(); ++i) {
            const QMetaEnum e = mo->enumerator(i);
            if (e.isFlag())
                continue;
            if (auto v = KeyValue(e, name))
                return *v;
        }
    }
    return std::nullopt;
}

// Writes an integer into a variant of an enumeration or flag type, whatever
// its size.
QVariant EnumVariant(QMetaType type, qint64 value)
{
    QVariant v(type);
    void* data = v.data();
    switch (type.sizeOf()) {
    case 1: { const qint8 x = qint8(value); std::memcpy(data, &x, 1); break; }
    case 2: { const qint16 x = qint16(value); std::memcpy(data, &x, 2); break; }
    case 8: { const qint64 x = value; std::memcpy(data, &x, 8); break; }
    default: { const qint32 x = qint32(value); std::memcpy(data, &x, 4); break; }
    }
    return v;
}

class Loader {
public:
    Loader(TComponent& root, const THandlerLookup& handlers)
        : m_root(root)
        , m_handlers(handlers)
    {
    }

    std::optional<TFormError> Run(const Object& tree)
    {
        try {
            QObject* rootObject = m_root.AsQObject();
            CheckRootClass(tree, rootObject);
            m_root.BeginLoading();
            m_root.SetName(tree.name);
            ApplyObject(tree, rootObject, &m_root, &m_root, qobject_cast<QWidget*>(rootObject));
            ResolveReferences();
            BindEvents();
            RunLoaded(tree.line);
            return std::nullopt;
        } catch (const Failure& f) {
            Undo();
            return f.error;
        }
    }

private:
    struct Created {
        TComponent* component;
        QPointer<QObject> object;
        int line;
    };
    struct Reference {
        QPointer<QObject> target;
        QMetaProperty property;
        TComponent* context; // the component whose (nested) property it is
        QPointer<QObject> contextObject;
        QString name;
        QString propertyPath;
        int line;
    };
    struct Event {
        QPointer<QObject> target; // the object that publishes the event
        QString name;             // the event's name in its class
        QString path;             // the property path as the file gives it
        QString handler;
        int line;
    };

    void CheckRootClass(const Object& tree, QObject* rootObject)
    {
        for (const QMetaObject* mo = rootObject->metaObject(); mo; mo = mo->superClass())
            if (tree.className == QLatin1String(mo->className()))
                return;
        Fail(tree.line, QStringLiteral("the form is a %1, not a %2")
                            .arg(QLatin1String(rootObject->metaObject()->className()), tree.className));
    }

    void ApplyObject(const Object& o, QObject* target, TComponent* component, TComponent* childOwner,
                     QWidget* childParent)
    {
        for (const auto& [isObject, index] : o.order) {
            if (isObject)
                CreateChild(o.children[index], childOwner, childParent);
            else
                SetProperty(target, component, o.properties[index]);
        }
    }

    void CreateChild(const Object& o, TComponent* owner, QWidget* parent)
    {
        if (!IsComponentClassRegistered(o.className))
            Fail(o.line, QStringLiteral("unknown class '%1' for %2").arg(o.className, o.name));
        if (owner->FindComponent(o.name) || o.name.compare(m_root.Name(), Qt::CaseInsensitive) == 0)
            Fail(o.line, QStringLiteral("a component named '%1' already exists").arg(o.name));
        TComponent* c = nullptr;
        try {
            c = CreateComponent(o.className, owner, parent);
        } catch (const std::exception& e) {
            Fail(o.line, QStringLiteral("creating %1 failed: %2").arg(o.name, QString::fromUtf8(e.what())));
        }
        if (!c)
            Fail(o.line, QStringLiteral("the class '%1' could not be created").arg(o.className));
        QObject* obj = c->AsQObject();
        m_created.push_back({c, obj, o.line});
        c->BeginLoading();
        c->SetName(o.name);
        TComponent* childOwner = dynamic_cast<TFrame*>(c) ? c : owner;
        QWidget* childParent = qobject_cast<QWidget*>(obj);
        ApplyObject(o, obj, c, childOwner, childParent ? childParent : parent);
    }

    void SetProperty(QObject* obj, TComponent* component, const Property& p)
    {
        const QString path = p.path.join(u'.');
        QObject* target = obj;
        for (qsizetype i = 0; i + 1 < p.path.size(); ++i) {
            const QMetaObject* mo = target->metaObject();
            const int index = mo->indexOfProperty(p.path[i].toLatin1().constData());
            if (index < 0)
                Fail(p.line, QStringLiteral("%1 has no property '%2'").arg(QLatin1String(mo->className()), p.path[i]));
            const QMetaProperty mp = mo->property(index);
            if (!(mp.metaType().flags() & QMetaType::PointerToQObject))
                Fail(p.line, QStringLiteral("'%1' of %2 has no properties of its own")
                                 .arg(p.path[i], QLatin1String(mo->className())));
            const QVariant v = mp.read(target);
            QObject* sub = v.isValid() ? *static_cast<QObject* const*>(v.constData()) : nullptr;
            if (!sub)
                Fail(p.line, QStringLiteral("'%1' of %2 is not set, so '%3' cannot be written")
                                 .arg(p.path[i], QLatin1String(mo->className()), path));
            target = sub;
        }
        const QString& last = p.path.back();
        const QMetaObject* mo = target->metaObject();
        const int index = mo->indexOfProperty(last.toLatin1().constData());
        if (index < 0) {
            // An event the class lacks: reported by BindEvents, after the
            // handler, as for a handler of the wrong type.
            if (p.path.size() == 1 && last.startsWith(u"On") && p.value.kind == Value::Kind::Ident) {
                m_events.push_back({target, last, path, p.value.text, p.line});
                return;
            }
            Fail(p.line, QStringLiteral("%1 has no property '%2'").arg(QLatin1String(mo->className()), last));
        }
        const QMetaProperty mp = mo->property(index);
        if (!mp.isWritable())
            Fail(p.line, QStringLiteral("the property '%1' of %2 is read-only").arg(path, QLatin1String(mo->className())));

        // An event takes the name of a handler, bound once the file is read.
        if (IsEvent(mp)) {
            if (p.value.kind != Value::Kind::Ident)
                Fail(p.line, QStringLiteral("expected the name of an event handler for '%1', found %2")
                                 .arg(path, Describe(p.value.kind)));
            m_events.push_back({target, last, path, p.value.text, p.line});
            return;
        }

        const QMetaType type = mp.metaType();
        if (type.flags() & QMetaType::PointerToQObject) {
            if (p.value.kind != Value::Kind::Ident)
                Fail(p.line, QStringLiteral("expected a component name (or nil) for '%1'").arg(path));
            if (p.value.text.compare(u"nil", Qt::CaseInsensitive) == 0) {
                QObject* none = nullptr;
                Write(target, mp, QVariant(type, &none), path, p.line);
                return;
            }
            m_references.push_back({target, mp, component, component->AsQObject(), p.value.text, path, p.line});
            return;
        }
        QVariant value;
        try {
            value = Convert(target, mp, p.value, path);
        } catch (const Failure&) {
            if (p.value.kind == Value::Kind::Ident)
                RefuseHandler(p.value.text, p.value.line, path, target);
            throw;
        }
        Write(target, mp, value, path, p.line);
    }

    // A handler's name given for a value fails as such, rather than as the
    // value it is not.
    void RefuseHandler(const QString& name, int line, const QString& path, const QObject* target) const
    {
        if (m_handlers && m_handlers(name).isValid())
            Fail(line, QStringLiteral("'%1' is an event handler, but '%2' of %3 is not an event")
                           .arg(name, path, QLatin1String(target->metaObject()->className())));
    }

    QVariant Convert(const QObject* target, const QMetaProperty& mp, const Value& v, const QString& path)
    {
        const QMetaType type = mp.metaType();
        auto expected = [&](const QString& what) -> QVariant {
            Fail(v.line, QStringLiteral("expected %1 for '%2', found %3").arg(what, path, Describe(v.kind)));
        };

        // Enumerations and sets by name.
        if (mp.isEnumType()) {
            const QMetaEnum e = mp.enumerator();
            if (mp.isFlagType()) {
                if (v.kind != Value::Kind::Set)
                    return expected(QStringLiteral("a set [...] of %1").arg(KeysOf(e)));
                qint64 bits = 0;
                for (const QString& name : v.names) {
                    const auto value = KeyValue(e, name);
                    if (!value)
                        Fail(v.line, QStringLiteral("unknown value '%1' for '%2' (expected %3)").arg(name, path, KeysOf(e)));
                    bits |= *value;
                }
                return EnumVariant(type, bits);
            }
            if (v.kind != Value::Kind::Ident)
                return expected(QStringLiteral("one of %1").arg(KeysOf(e)));
            const auto value = KeyValue(e, v.text);
            if (!value)
                Fail(v.line, QStringLiteral("unknown value '%1' for '%2' (expected one of %3)").arg(v.text, path, KeysOf(e)));
            return EnumVariant(type, *value);
        }
        if (type.flags() & QMetaType::IsEnumeration)
            Fail(v.line, QStringLiteral("the type of '%1' is not a registered enumeration").arg(path));

        switch (type.id()) {
        case QMetaType::Bool:
            if (v.kind == Value::Kind::Ident) {
                if (v.text.compare(u"True", Qt::CaseInsensitive) == 0)
                    return QVariant(true);
                if (v.text.compare(u"False", Qt::CaseInsensitive) == 0)
                    return QVariant(false);
            }
            return expected(QStringLiteral("True or False"));
        case QMetaType::QString:
            if (v.kind != Value::Kind::String)
                return expected(QStringLiteral("a string"));
            return QVariant(v.text);
        case QMetaType::QChar:
            if (v.kind != Value::Kind::String || v.text.size() != 1)
                return expected(QStringLiteral("a string of one character"));
            return QVariant(v.text[0]);
        case QMetaType::QStringList: {
            if (v.kind != Value::Kind::List)
                return expected(QStringLiteral("a list of strings ( '...' '...' )"));
            QStringList list;
            for (const Value& item : v.items) {
                if (item.kind != Value::Kind::String)
                    Fail(item.line, QStringLiteral("expected a string in the list of '%1', found %2").arg(path, Describe(item.kind)));
                list << item.text;
            }
            return QVariant(list);
        }
        case QMetaType::QByteArray:
            if (v.kind == Value::Kind::Binary)
                return QVariant(v.bytes);
            if (v.kind == Value::Kind::Resource) {
                QFile file(QStringLiteral(":/") + v.text);
                if (!file.open(QIODevice::ReadOnly))
                    Fail(v.line, QStringLiteral("the resource '%1' for '%2' does not exist").arg(v.text, path));
                return QVariant(file.readAll());
            }
            return expected(QStringLiteral("binary data { ... } or a resource @path"));
        case QMetaType::Double:
        case QMetaType::Float:
            if (v.kind == Value::Kind::Real || v.kind == Value::Kind::Integer) {
                const double d = v.kind == Value::Kind::Real ? v.real
                    : (v.negative ? -double(v.magnitude) : double(v.magnitude));
                QVariant out(d);
                out.convert(type);
                return out;
            }
            return expected(QStringLiteral("a number"));
        default:
            break;
        }

        struct Range {
            int id;
            qint64 lo;
            quint64 hi;
            int bits;
        };
        static const Range kRanges[] = {
            {QMetaType::Int, std::numeric_limits<qint32>::min(), quint64(std::numeric_limits<qint32>::max()), 32},
            {QMetaType::UInt, 0, std::numeric_limits<quint32>::max(), 32},
            {QMetaType::LongLong, std::numeric_limits<qint64>::min(), quint64(std::numeric_limits<qint64>::max()), 64},
            {QMetaType::ULongLong, 0, std::numeric_limits<quint64>::max(), 64},
            {QMetaType::Long, std::numeric_limits<qint64>::min(), quint64(std::numeric_limits<qint64>::max()), 64},
            {QMetaType::ULong, 0, std::numeric_limits<quint64>::max(), 64},
            {QMetaType::Short, std::numeric_limits<qint16>::min(), quint64(std::numeric_limits<qint16>::max()), 16},
            {QMetaType::UShort, 0, std::numeric_limits<quint16>::max(), 16},
            {QMetaType::SChar, -128, 127, 8},
            {QMetaType::Char, -128, 127, 8},
            {QMetaType::UChar, 0, 255, 8},
        };
        for (const Range& r : kRanges) {
            if (type.id() != r.id)
                continue;
            qint64 value = 0;
            if (v.kind == Value::Kind::Integer) {
                if (!FitInteger(v, r.lo, r.hi, r.bits, value))
                    Fail(v.line, QStringLiteral("the number for '%1' is out of range (%2 to %3)").arg(path).arg(r.lo).arg(r.hi));
            } else if (v.kind == Value::Kind::Ident) {
                const auto ident = IntegerIdent(target, v.text);
                if (!ident)
                    Fail(v.line, QStringLiteral("unknown name '%1' for '%2' (expected a number, a colour or a cursor)").arg(v.text, path));
                value = *ident;
            } else {
                return expected(QStringLiteral("an integer"));
            }
            QVariant out(QVariant::fromValue(value));
            if (!out.convert(type))
                Fail(v.line, QStringLiteral("the number for '%1' cannot be stored").arg(path));
            return out;
        }
        Fail(v.line, QStringLiteral("the property '%1' has a type (%2) that a form file cannot give")
                         .arg(path, QLatin1String(type.name())));
    }

    void Write(QObject* target, const QMetaProperty& mp, const QVariant& value, const QString& path, int line)
    {
        bool ok = false;
        try {
            ok = mp.write(target, value);
        } catch (const std::exception& e) {
            Fail(line, QStringLiteral("setting '%1' failed: %2").arg(path, QString::fromUtf8(e.what())));
        }
        if (!ok)
            Fail(line, QStringLiteral("the value for '%1' was not accepted").arg(path));
    }

    TComponent* FindByName(TComponent* context, const QString& name) const
    {
        if (context && context->Owner())
            if (TComponent* c = context->Owner()->FindComponent(name))
                return c;
        if (TComponent* c = m_root.FindComponent(name))
            return c;
        if (name.compare(m_root.Name(), Qt::CaseInsensitive) == 0)
            return &m_root;
        return nullptr;
    }

    void ResolveReferences()
    {
        for (const Reference& r : m_references) {
            if (!r.target || !r.contextObject)
                Fail(r.line, QStringLiteral("the object of '%1' was freed while the form was read").arg(r.propertyPath));
            TComponent* found = FindByName(r.context, r.name);
            if (!found) {
                RefuseHandler(r.name, r.line, r.propertyPath, r.target);
                Fail(r.line, QStringLiteral("unknown component '%1' for '%2'").arg(r.name, r.propertyPath));
            }
            QObject* object = found->AsQObject();
            const QMetaType type = r.property.metaType();
            const QMetaObject* wanted = type.metaObject();
            if (wanted && !object->metaObject()->inherits(wanted))
                Fail(r.line, QStringLiteral("'%1' is a %2, but '%3' needs a %4")
                                 .arg(r.name, QLatin1String(object->metaObject()->className()), r.propertyPath,
                                      QLatin1String(wanted->className())));
            Write(r.target, r.property, QVariant(type, &object), r.propertyPath, r.line);
        }
    }

    void BindEvents()
    {
        for (const Event& e : m_events) {
            if (!e.target)
                Fail(e.line, QStringLiteral("the component of '%1' was freed while the form was read").arg(e.path));
            const QVariant handler = m_handlers ? m_handlers(e.handler) : QVariant();
            if (!handler.isValid())
                Fail(e.line, QStringLiteral("unknown event handler '%1' for '%2'").arg(e.handler, e.path));
            if (!BindEvent(*e.target, e.name, handler))
                Fail(e.line, QStringLiteral("%1 has no event '%2' that takes the handler '%3'")
                                 .arg(QLatin1String(e.target->metaObject()->className()), e.name, e.handler));
        }
    }

    void RunLoaded(int rootLine)
    {
        auto run = [](TComponent* c, int line) {
            try {
                c->Loaded();
            } catch (const std::exception& e) {
                Fail(line, QStringLiteral("loading %1 failed: %2").arg(c->Name(), QString::fromUtf8(e.what())));
            }
        };
        run(&m_root, rootLine);
        for (const Created& c : m_created)
            if (c.object)
                run(c.component, c.line);
    }

    void Undo()
    {
        for (auto it = m_created.rbegin(); it != m_created.rend(); ++it)
            if (it->object)
                delete it->object.data();
        m_created.clear();
        m_root.CancelLoading();
    }

    TComponent& m_root;
    const THandlerLookup& m_handlers;
    std::vector<Created> m_created;
    std::vector<Reference> m_references;
    std::vector<Event> m_events;
};

} // namespace

std::optional<TFormError> CheckFormSyntax(const QByteArray& text)
{
    try {
        ParseFormText(text);
        return std::nullopt;
    } catch (const Failure& f) {
        return f.error;
    }
}

std::optional<TFormError> ReadForm(TComponent& root, const QByteArray& text, const THandlerLookup& handlers)
{
    Object tree;
    try {
        tree = ParseFormText(text);
    } catch (const Failure& f) {
        return f.error;
    }
    return Loader(root, handlers).Run(tree);
}
