#pragma once
// Records every announcement of the controls (controls/core/Accessibility.h)
// with the name the interface gives as it arrives. One at a time.
#include "controls/core/Accessibility.h"

#include <QAccessible>
#include <QAccessibleEvent>
#include <QPointer>
#include <QString>
#include <vector>

class TRecordingAccessibility {
public:
    struct THeard {
        QPointer<QObject> object;
        int child = -1;
        QAccessible::Event type = QAccessible::InvalidEvent;
        QAccessible::State changed;
        QString name; // the name the interface gives when the event arrives
    };

    TRecordingAccessibility()
    {
        Current() = this;
        accessibility::SetAnnouncementTap(&Record);
    }
    ~TRecordingAccessibility()
    {
        accessibility::SetAnnouncementTap(nullptr);
        Current() = nullptr;
    }
    TRecordingAccessibility(const TRecordingAccessibility&) = delete;
    TRecordingAccessibility& operator=(const TRecordingAccessibility&) = delete;

    std::vector<THeard> heard;

    // The events of one type about an object (and child, -1: the object).
    std::vector<THeard> About(const QObject* object, QAccessible::Event type, int child = -1) const
    {
        std::vector<THeard> found;
        for (const THeard& h : heard)
            if (h.object == object && h.type == type && h.child == child)
                found.push_back(h);
        return found;
    }

private:
    static TRecordingAccessibility*& Current()
    {
        static TRecordingAccessibility* current = nullptr;
        return current;
    }
    static void Record(QAccessibleEvent* e)
    {
        TRecordingAccessibility* self = Current();
        if (!self)
            return;
        THeard h;
        h.object = e->object();
        h.child = e->child();
        h.type = e->type();
        if (e->type() == QAccessible::StateChanged)
            h.changed = static_cast<QAccessibleStateChangeEvent*>(e)->changedStates();
        if (QAccessibleInterface* iface = e->accessibleInterface())
            h.name = iface->text(QAccessible::Name);
        self->heard.push_back(h);
    }
};
