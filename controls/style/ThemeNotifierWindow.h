#pragma once
// The theme notifier: a zero-size child window that hears the desktop's
// theme-changed message and raises OnThemeChange (each styler holds one
// through a TThemeNotifier that connects it to its AdaptToTheme).
// GetThemeVariant reads the desktop's colour scheme through the platform's
// desktop-theme service.
#include "controls/core/Events.h"
#include "controls/style/VisualStyle.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class TComponent;

class TThemeNotifierWindow : public QWidget {
    Q_OBJECT
public:
    explicit TThemeNotifierWindow(QWidget* parent);

    // Raised (when assigned) when the window receives the theme-changed
    // message, before the message is handled as any window handles it.
    TNotifyEvent OnThemeChange;

protected:
    bool event(QEvent* e) override;
};

// A styler's notifier window: made on host (none without a host), running
// adapt at every theme change, and freed with its holder unless the host
// has freed it first.
class TThemeNotifier {
public:
    TThemeNotifier(QWidget* host, std::function<void()> adapt);
    ~TThemeNotifier();
    TThemeNotifier(const TThemeNotifier&) = delete;
    TThemeNotifier& operator=(const TThemeNotifier&) = delete;

    TThemeNotifierWindow* Window() const { return m_window.data(); }

private:
    QPointer<TThemeNotifierWindow> m_window;
};

// The nearest window found from owner up through the owners' owners, or
// none.
QWidget* NearestWindowControl(TComponent* owner);

// The desktop's colour scheme as a number: 1 "NormalColor", 2 "HomeStead",
// 3 "Metallic" (compared case-sensitively), 0 for any other scheme or when
// no theme is active.
int GetThemeVariant();

// The style that AdaptToTheme chooses for a theme variant: 1 Office 2003
// blue, 2 olive, 3 silver, anything else classic.
TVisualStyle VisualStyleForThemeVariant(int variant);
