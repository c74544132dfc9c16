#include "controls/style/FormStyler.h"

#include "controls/style/AppStyler.h"
#include "controls/core/Form.h"
#include "controls/core/Frame.h"
#include "controls/style/ThemeNotifierWindow.h"
#include "controls/paint/Property.h"

#include <algorithm>

TFormStyler::TFormStyler(TComponent* owner)
    : TNonVisualComponent(owner)
    , m_notifier(NearestWindowControl(owner), [this] { AdaptToTheme(); })
{
}

TFormStyler::~TFormStyler()
{
    if (m_appStyle)
        m_appStyle->UnregisterFormStyler(this);
}

void TFormStyler::SetStyle(TVisualStyle v)
{
    if (!SetIfChanged(m_style, v))
        return;
    if (v != tsCustom)
        ApplyStyleToOwner();
    if (OnChange)
        OnChange(this);
}

void TFormStyler::SetAppStyle(TAppStyler* a)
{
    if (m_appStyle == a)
        return;
    if (m_appStyle)
        m_appStyle->UnregisterFormStyler(this);
    m_appStyle = a;
    if (!IsLoading() && a)
        SetStyle(a->Style());
    if (a && !IsDesigning())
        a->RegisterFormStyler(this);
}

void TFormStyler::ApplyStyleToOwner()
{
    TComponent* owner = Owner();
    if (auto* form = dynamic_cast<TForm*>(owner))
        ApplyStyleToForm(form, m_style);
    else if (auto* frame = dynamic_cast<TFrame*>(owner))
        ApplyStyleToFrame(frame, m_style);
}

void TFormStyler::ApplyStyleToForm(TForm* form, TVisualStyle v)
{
    if (form)
        ApplyStyleToOwned(form, v, false);
}

void TFormStyler::ApplyStyleToFrame(TFrame* frame, TVisualStyle v)
{
    if (frame)
        ApplyStyleToOwned(frame, v, true);
}

void TFormStyler::ApplyStyleToOwned(TComponent* owner, TVisualStyle v, bool intoFrames)
{
    // A snapshot: a handler or a control may free components while we walk.
    // Each one is looked up again before it is touched.
    const std::vector<TComponent*> snapshot = owner->Components();
    for (TComponent* c : snapshot) {
        const auto& now = owner->Components();
        if (std::find(now.begin(), now.end(), c) == now.end())
            continue;
        if (auto* styled = dynamic_cast<IStyledComponent*>(c)) {
            bool allow = true;
            if (OnApplyStyle)
                OnApplyStyle(this, c, allow);
            if (allow)
                styled->ApplyComponentStyle(v);
        }
        if (intoFrames) {
            const auto& after = owner->Components();
            if (std::find(after.begin(), after.end(), c) == after.end())
                continue;
            if (auto* frame = dynamic_cast<TFrame*>(c))
                ApplyStyleToFrame(frame, v);
        }
    }
}

void TFormStyler::AdaptToTheme()
{
    if (!m_autoThemeAdapt)
        return;
    SetStyle(VisualStyleForThemeVariant(GetThemeVariant()));
}

void TFormStyler::Assign(QObject* source)
{
    auto* other = qobject_cast<TFormStyler*>(source);
    if (!other || other == this)
        return;
    SetAutoThemeAdapt(other->AutoThemeAdapt());
    SetStyle(other->Style());
}

void TFormStyler::Loaded()
{
    TNonVisualComponent::Loaded();
    if (m_appStyle) {
        SetStyle(m_appStyle->Style());
    } else {
        // Forces one application of the stored style, even when it equals
        // the initial one.
        const TVisualStyle stored = m_style;
        SetStyle(tsCustom);
        SetStyle(stored);
    }
    if (!IsDesigning())
        AdaptToTheme();
}

void TFormStyler::Notification(TComponent* component, TOperation operation)
{
    TNonVisualComponent::Notification(component, operation);
    if (operation != TOperation::opRemove || !m_appStyle || component != static_cast<TComponent*>(m_appStyle))
        return;
    // An application styler that only moves to another owner still lists
    // this styler: leave its list too. One that is being freed has already
    // dropped its list, and must not be called.
    if (!component->IsDestroying())
        m_appStyle->UnregisterFormStyler(this);
    m_appStyle = nullptr;
}
