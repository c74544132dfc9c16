#include "controls/style/AppStyler.h"

#include "controls/core/Application.h"
#include "controls/style/FormStyler.h"
#include "controls/style/ThemeNotifierWindow.h"
#include "controls/paint/Property.h"

#include <QPointer>

TAppStyler::TAppStyler(TComponent* owner)
    : TNonVisualComponent(owner)
    , m_notifier(TApplication::MainForm(), [this] { AdaptToTheme(); })
{
}

TAppStyler::~TAppStyler()
{
    const QList<TFormStyler*> followers = m_formStylers;
    m_formStylers.clear();
    for (TFormStyler* styler : followers)
        styler->SetAppStyle(nullptr);
}

void TAppStyler::SetStyle(TVisualStyle v)
{
    if (!SetIfChanged(m_style, v))
        return;
    if (!IsLoading() && !IsDesigning()) {
        // A copy, guarded: a form styler's OnChange may free stylers.
        QList<QPointer<TFormStyler>> followers;
        for (TFormStyler* s : m_formStylers)
            followers << s;
        for (const QPointer<TFormStyler>& s : followers)
            if (s && m_formStylers.contains(s.data()))
                s->SetStyle(v);
    }
    if (OnChange)
        OnChange(this);
}

void TAppStyler::RegisterFormStyler(TFormStyler* styler)
{
    if (styler && !m_formStylers.contains(styler))
        m_formStylers.append(styler);
}

void TAppStyler::UnregisterFormStyler(TFormStyler* styler)
{
    m_formStylers.removeAll(styler);
}

void TAppStyler::AdaptToTheme()
{
    if (!m_autoThemeAdapt)
        return;
    SetStyle(VisualStyleForThemeVariant(GetThemeVariant()));
}

void TAppStyler::Assign(QObject* source)
{
    auto* other = qobject_cast<TAppStyler*>(source);
    if (!other || other == this)
        return;
    SetStyle(other->Style());
    SetAutoThemeAdapt(other->AutoThemeAdapt());
}

void TAppStyler::Loaded()
{
    TNonVisualComponent::Loaded();
    if (m_autoThemeAdapt)
        AdaptToTheme();
}
