#include "platform/DesktopTheme.h"

namespace platform {
namespace {

// This desktop has no colour schemes of the kind the stylers follow.
class NoDesktopTheme : public IDesktopTheme {
public:
    bool IsThemeActive() override { return false; }
    QString ColorSchemeName() override { return {}; }
};

} // namespace

IDesktopTheme& DesktopTheme()
{
    static NoDesktopTheme real;
    return Current<IDesktopTheme>(real);
}

} // namespace platform
