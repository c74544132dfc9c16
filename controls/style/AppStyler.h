#pragma once
// The application styler: one per application. Setting its Style sets the
// Style of every form styler that follows it (FormStylers, in registration
// order); each form styler then styles its own form, and raises its own
// OnChange, only if its style was different.
#include "controls/core/Component.h"
#include "controls/core/Events.h"
#include "controls/style/ThemeNotifierWindow.h"
#include "controls/style/VisualStyle.h"
#include "controls/paint/Property.h"

#include <QList>
#include <QString>

class TFormStyler;
Q_MOC_INCLUDE("controls/style/FormStyler.h")

class TAppStyler : public TNonVisualComponent {
    Q_OBJECT
public:
    explicit TAppStyler(TComponent* owner = nullptr);
    // Every following form styler loses its AppStyle (and keeps its Style).
    ~TAppStyler() override;

    // Stores the value, then runs AdaptToTheme.
    LUMORA_PROPERTY(bool, AutoThemeAdapt, m_autoThemeAdapt, false, AdaptToTheme())
    // Nothing on an equal value (so colours changed since are not
    // restored); otherwise stores it, passes it to every form styler unless
    // loading, and raises OnChange.
    LUMORA_PROPERTY_OWN_SETTER(VisualStyleIF::TVisualStyle, Style, m_style, tsOffice2003Blue)
    Q_PROPERTY(QString Version READ Version)
    LUMORA_EVENT(TNotifyEvent, OnChange)

    QString Version() const { return QStringLiteral("1.2.0.1"); }

    // The form stylers that follow this one (references; their forms own them).
    const QList<TFormStyler*>& FormStylers() const { return m_formStylers; }
    // Appends the form styler unless it is already in the list.
    void RegisterFormStyler(TFormStyler* styler);
    // Removes it if present.
    void UnregisterFormStyler(TFormStyler* styler);

    // With AutoThemeAdapt on, sets Style by the desktop's theme variant.
    void AdaptToTheme();

    // From another application styler: Style, then AutoThemeAdapt, through
    // their setters. Any other source is ignored.
    void Assign(QObject* source);

    void Loaded() override;

    // The notifier window: none when the application had no main form yet
    // when this styler was created (then theme changes are not heard).
    TThemeNotifierWindow* Notifier() const { return m_notifier.Window(); }

private:
    QList<TFormStyler*> m_formStylers;
    TThemeNotifier m_notifier;
};
