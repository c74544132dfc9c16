#pragma once
// The form styler: one per form (or frame). It hands its Style to every
// component that its form owns and that implements IStyledComponent, in the
// form's component order; it can follow an application styler (AppStyle),
// which then sets its style.
//
// Setting Style: nothing on an equal value; otherwise the value is stored,
// applied to the owner's components unless it is tsCustom (which means "keep
// the colours you have"), and OnChange is raised.
#include "controls/core/Component.h"
#include "controls/core/Events.h"
#include "controls/style/ThemeNotifierWindow.h"
#include "controls/style/VisualStyle.h"
#include "controls/paint/Property.h"

#include <QString>

class TAppStyler;
class TForm;
class TFrame;
Q_MOC_INCLUDE("controls/style/AppStyler.h")

class TFormStyler : public TNonVisualComponent {
    Q_OBJECT
public:
    explicit TFormStyler(TComponent* owner = nullptr);
    ~TFormStyler() override;

    // Stores the value, then runs AdaptToTheme.
    LUMORA_PROPERTY(bool, AutoThemeAdapt, m_autoThemeAdapt, false, AdaptToTheme())
    LUMORA_PROPERTY_OWN_SETTER(VisualStyleIF::TVisualStyle, Style, m_style, tsOffice2003Blue)
    Q_PROPERTY(TAppStyler* AppStyle READ AppStyle WRITE SetAppStyle)
    LUMORA_EVENT(TApplyStyleEvent, OnApplyStyle)
    LUMORA_EVENT(TNotifyEvent, OnChange)
    Q_PROPERTY(QString Version READ Version)

    TAppStyler* AppStyle() const { return m_appStyle; }
    // Follows A: takes A's style at once (unless loading) and registers
    // with A, so that A's later styles reach this form. Leaving an
    // application styler for another (or for none) also unregisters from it.
    void SetAppStyle(TAppStyler* a);

    QString Version() const { return QStringLiteral("1.2.0.1"); }

    // Styles the owner: a form through ApplyStyleToForm, a frame through
    // ApplyStyleToFrame; any other owner is left alone.
    void ApplyStyleToOwner();
    // Every component the form owns that implements IStyledComponent, in
    // component order, unless OnApplyStyle clears Allow for it. Frames on
    // the form are not descended into.
    void ApplyStyleToForm(TForm* form, TVisualStyle v);
    // As ApplyStyleToForm; after each owned component that is itself a
    // frame, that frame is styled before the next component (depth first).
    void ApplyStyleToFrame(TFrame* frame, TVisualStyle v);

    // With AutoThemeAdapt on, sets Style by the desktop's theme variant.
    void AdaptToTheme();

    // From another form styler: AutoThemeAdapt, then Style, through their
    // setters. Any other source is ignored.
    void Assign(QObject* source);

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    // The notifier window (none when the styler has no window to live on).
    TThemeNotifierWindow* Notifier() const { return m_notifier.Window(); }

private:
    void ApplyStyleToOwned(TComponent* owner, TVisualStyle v, bool intoFrames);

    TAppStyler* m_appStyle = nullptr;
    TThemeNotifier m_notifier;
};
