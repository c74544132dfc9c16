#include "controls/style/ThemeNotifierWindow.h"

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
