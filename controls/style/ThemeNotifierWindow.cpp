#include "controls/style/ThemeNotifierWindow.h"

#include "controls/core/Component.h"
#include "platform/DesktopTheme.h"

#include <QEvent>

TThemeNotifierWindow::TThemeNotifierWindow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ThemeNotifier"));
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    if (parent)
        show();
}

bool TThemeNotifierWindow::event(QEvent* e)
{
    if (e->type() == QEvent::ThemeChange && OnThemeChange)
        GuardedCall([this] { OnThemeChange(this); });
    return QWidget::event(e);
}

TThemeNotifier::TThemeNotifier(QWidget* host, std::function<void()> adapt)
{
    if (!host)
        return;
    m_window = new TThemeNotifierWindow(host);
    m_window->OnThemeChange = [adapt = std::move(adapt)](QObject*) { adapt(); };
}

TThemeNotifier::~TThemeNotifier()
{
    delete m_window.data();
}

QWidget* NearestWindowControl(TComponent* owner)
{
    for (TComponent* c = owner; c; c = c->Owner())
        if (auto* w = qobject_cast<QWidget*>(c->AsQObject()))
            return w;
    return nullptr;
}

int GetThemeVariant()
{
    platform::IDesktopTheme& theme = platform::DesktopTheme();
    if (!theme.IsThemeActive())
        return 0;
    const QString scheme = theme.ColorSchemeName();
    if (scheme == u"NormalColor")
        return 1;
    if (scheme == u"HomeStead")
        return 2;
    if (scheme == u"Metallic")
        return 3;
    return 0;
}

TVisualStyle VisualStyleForThemeVariant(int variant)
{
    switch (variant) {
    case 1: return tsOffice2003Blue;
    case 2: return tsOffice2003Olive;
    case 3: return tsOffice2003Silver;
    default: return tsOffice2003Classic;
    }
}
