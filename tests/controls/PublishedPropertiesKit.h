#pragma once
// Walks the published properties of a component: those its classes declare
// themselves (Qt's own, QWidget's and QObject's, come before them), and
// those of the objects it publishes (fonts, appearances, pictures) that are
// not components of their own.
#include "controls/core/Component.h"

#include <QMetaProperty>
#include <QObject>
#include <QString>

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
