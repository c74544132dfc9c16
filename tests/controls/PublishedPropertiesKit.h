#pragma once
// Walks the published properties of a component: those its classes declare
// themselves (Qt's own, QWidget's and QObject's, come before them), and
// those of the objects it publishes (fonts, appearances, pictures) that are
// not components of their own.
#include "controls/core/Component.h"

#include <QMetaProperty>
#include <QObject>
#include <QString>
#include <QVariant>

// The index of the first property a class publishes itself.
inline int FirstOwnProperty(const QMetaObject* mo)
{
    while (mo->superClass() && !QByteArray(mo->className()).startsWith('Q'))
        mo = mo->superClass();
    return mo->propertyCount();
}

// Calls visit(object, property, path, value) for every readable property
// of `object`, then goes into the object it holds when that is a published
// object of its own. Paths read "TGlowButton.Appearance.ColorHot".
template <class Visit>
void WalkPublished(QObject* object, const QString& path, Visit&& visit)
{
    const QMetaObject* mo = object->metaObject();
    for (int i = FirstOwnProperty(mo); i < mo->propertyCount(); ++i) {
        const QMetaProperty p = mo->property(i);
        if (!p.isReadable())
            continue;
        const QString where = path + QLatin1Char('.') + QLatin1String(p.name());
        const QVariant value = p.read(object);
        visit(object, p, where, value);
        if (value.metaType().flags().testFlag(QMetaType::PointerToQObject)) {
            QObject* sub = value.value<QObject*>();
            if (sub && !dynamic_cast<TComponent*>(sub))
                WalkPublished(sub, where, visit);
        }
    }
}

// Another value of a property's type than v, or nothing for a type the
// walk does not vary (pictures, fonts and other held objects).
inline QVariant OtherValue(const QMetaProperty& p, const QVariant& v)
{
    if (p.isEnumType()) {
        const QMetaEnum e = p.enumerator();
        if (p.isFlagType())
            return v.toInt() ^ e.value(0);
        for (int k = 0; k < e.keyCount(); ++k)
            if (e.value(k) != v.toInt())
                return e.value(k);
        return {};
    }
    switch (v.metaType().id()) {
    case QMetaType::Bool: return !v.toBool();
    case QMetaType::Int: return v.toInt() < 255 ? v.toInt() + 1 : v.toInt() - 1;
    case QMetaType::UInt: return v.toUInt() + 1;
    case QMetaType::QString: return v.toString() + QStringLiteral("x");
    case QMetaType::QStringList: return v.toStringList() << QStringLiteral("x");
    default: return {};
    }
}
