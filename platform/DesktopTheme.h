#pragma once
// The desktop's theme: whether a visual theme is active and the name of its
// colour scheme ("NormalColor", "HomeStead", "Metallic", ...). Desktops that
// have no such schemes report no active theme, and so does the real service
// here. Tests put in a FixedDesktopTheme:
//
//     platform::FixedDesktopTheme theme{true, QStringLiteral("HomeStead")};
//     platform::ScopedService<platform::IDesktopTheme> use(theme);
#include "platform/Service.h"

#include <QString>

namespace platform {

class IDesktopTheme {
public:
    virtual ~IDesktopTheme() = default;
    virtual bool IsThemeActive() = 0;
    // The active colour scheme's name; empty when there is none.
    virtual QString ColorSchemeName() = 0;
};

IDesktopTheme& DesktopTheme();

class FixedDesktopTheme : public IDesktopTheme {
public:
    FixedDesktopTheme(bool active, QString scheme)
        : active(active)
        , scheme(std::move(scheme))
    {
    }
    bool IsThemeActive() override { return active; }
    QString ColorSchemeName() override { return active ? scheme : QString(); }

    bool active;
    QString scheme;
};

} // namespace platform
