#include "controls/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner)
{
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    // Owned components outlive us only if Qt's parent chain did not delete
    // them; they must not keep pointing at a dead owner.
    for (TComponent* c : m_components)
        c->m_owner = nullptr;
    m_components.clear();
    if (m_owner)
        m_owner->RemoveComponent(this);
}

void TComponent::SetName(const QString& name)
{
    if (m_name == name)
        return;
    m_name = name;
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
    for (TComponent* other : m_components)
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
    for (TComponent* other : m_components)
        other->Notification(c, TOperation::opRemove);
}

TNonVisualComponent::TNonVisualComponent(TComponent* owner)
    : TComponent(owner)
{
    if (owner)
        setParent(owner->AsQObject());
}

TComponent* AsComponent(QObject* object)
{
    return dynamic_cast<TComponent*>(object);
}
