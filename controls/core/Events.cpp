#include "controls/core/Events.h"

#include "controls/core/ErrorBox.h"
#include "platform/Shell.h"

#include <QByteArrayView>
#include <QMetaObject>
#include <exception>

bool IsEventType(QMetaType type)
{
    // Qt names a meta type after its C++ type, so every TEvent<...> is named
    // "TEvent<...>" whatever its signature or the alias it was declared by.
    return QByteArrayView(type.name()).startsWith("TEvent<");
}

bool BindEvent(QObject& object, const QString& name, const QVariant& handler)
{
    const QMetaObject* mo = object.metaObject();
    const int index = mo->indexOfProperty(name.toLatin1().constData());
    if (index < 0)
        return false;
    const QMetaProperty event = mo->property(index);
    if (!IsEvent(event) || handler.metaType() != event.metaType())
        return false;
    return event.write(&object, handler);
}

void GuardedCall(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(std::runtime_error("Unknown error"));
    }
}

void FollowAnchor(QObject* sender, const QString& reference, const TAnchorClick& onAnchorClick)
{
    if (platform::IsShellAddress(reference))
        platform::Shell().OpenAddress(reference);
    else if (onAnchorClick)
        onAnchorClick(sender, reference);
}
