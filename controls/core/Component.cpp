#include "controls/core/Component.h"
#include "controls/paint/Property.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner)
{
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    m_destroying = true;
    // Leave the owner first, so that its other components stop pointing at us.
    if (m_owner)
        m_owner->RemoveComponent(this);
    // Free what we own, last created first. Each one leaves m_components in
    // its own destructor, and may take owned children with it (a panel's
    // buttons are its child widgets), so re-read the list every time.
    while (!m_components.empty()) {
        delete m_components.back();
    }
}

void TComponent::SetName(const QString& name)
{
    if (!SetIfChanged(m_name, name))
        return;
    if (QObject* o = AsQObject())
        o->setObjectName(name);
}

void TComponent::SetOwner(TComponent* owner)
{
    if (owner == m_owner)
        return;
    if (m_owner)
        m_owner->RemoveComponent(this);
    if (owner)
        owner->InsertComponent(this);
}

TComponent* TComponent::FindComponent(const QString& name) const
{
    for (TComponent* c : m_components) {
        if (c->Name().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return nullptr;
}

void TComponent::Loaded()
{
    m_loading = false;
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::InsertComponent(TComponent* c)
{
    c->m_owner = this;
    m_components.push_back(c);
    Notification(c, TOperation::opInsert);
    const std::vector<TComponent*> others = m_components;
    for (TComponent* other : others)
        if (other != c)
            other->Notification(c, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* c)
{
    auto it = std::find(m_components.begin(), m_components.end(), c);
    if (it == m_components.end())
        return;
    m_components.erase(it);
    c->m_owner = nullptr;
    if (!m_destroying)
        Notification(c, TOperation::opRemove);
    // A copy: a notified component may free others.
    const std::vector<TComponent*> others = m_components;
    for (TComponent* other : others)
        if (std::find(m_components.begin(), m_components.end(), other) != m_components.end())
            other->Notification(c, TOperation::opRemove);
}

TNonVisualComponent::TNonVisualComponent(TComponent* owner)
    : TComponent(owner)
{
    if (owner)
        setParent(owner->AsQObject());
}
