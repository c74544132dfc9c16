#pragma once
// The component model shared by visual and non-visual components: every
// component has an owner and a Name; an owner keeps the components it owns in
// creation order (for a form read from its form file: the order of the file,
// depth first), which is the order in which the stylers visit them.
//
// Ownership here is the styling and naming relation, not the visual
// parent: a button that sits on a panel is still owned by the form. An owner
// frees the components it owns when it is destroyed (last created first);
// a component that is freed earlier (by its Qt parent or by hand) leaves its
// owner's list, and the owner and the owner's other components are told
// through Notification(c, opRemove).
#include <QObject>
#include <QString>
#include <vector>

enum class TOperation { opInsert, opRemove };

class TComponent {
public:
    explicit TComponent(TComponent* owner = nullptr);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // The QObject this component is (a QWidget for controls).
    virtual QObject* AsQObject() = 0;
    const QObject* AsQObject() const { return const_cast<TComponent*>(this)->AsQObject(); }

    const QString& Name() const { return m_name; }
    void SetName(const QString& name);

    TComponent* Owner() const { return m_owner; }
    // Changes the owner: leaves the old owner's list, joins the new one's end.
    void SetOwner(TComponent* owner);
    const std::vector<TComponent*>& Components() const { return m_components; }
    int ComponentCount() const { return int(m_components.size()); }
    TComponent* FindComponent(const QString& name) const;

    // True from BeginLoading until Loaded has run (csLoading).
    bool IsLoading() const { return m_loading; }
    // This program never runs in a form designer.
    bool IsDesigning() const { return false; }

    // Called by the form reader before the component's properties are read.
    void BeginLoading() { m_loading = true; }
    // Called by the form reader instead of Loaded when reading failed.
    void CancelLoading() { m_loading = false; }
    // End-of-load step, after the whole form has been read. Overrides call
    // the base first, so IsLoading() is already false in their body.
    virtual void Loaded();

    // Told to the owner and to every other component of that owner when one
    // of them is inserted or removed (the standard removal notification).
    // On opRemove the component may be half destroyed (IsDestroying() on
    // the pointer given says so): then compare the pointer, never call it.
    virtual void Notification(TComponent* component, TOperation operation);

    // True once the destructor has begun (csDestroying).
    bool IsDestroying() const { return m_destroying; }

private:
    void InsertComponent(TComponent* c);
    void RemoveComponent(TComponent* c);

    QString m_name;
    TComponent* m_owner = nullptr;
    std::vector<TComponent*> m_components;
    bool m_loading = false;
    bool m_destroying = false;
};

// A non-visual component (the stylers): a QObject so that the form reader
// can set its properties through Qt's meta-object system.
class TNonVisualComponent : public QObject, public TComponent {
    Q_OBJECT
public:
    explicit TNonVisualComponent(TComponent* owner = nullptr);
    QObject* AsQObject() override { return this; }
};

