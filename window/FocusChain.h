#pragma once
// The window's keyboard focus chain: its controls in reading order, of
// which Tab and Shift+Tab visit only those the user sees at that moment
// (a control off-screen, hidden, disabled or covered by an overlay panel
// is passed over). Every other control of the window is kept out of the
// focus, so that neither Tab nor the window's activation can land on a
// hidden data control.
#include <QPointer>
#include <QWidget>
#include <vector>

class TFocusChain {
public:
    // stops: the chain in reading order, all inside window.
    TFocusChain(QWidget& window, std::vector<QWidget*> stops);

    // True when the user sees the control: shown, enabled, and the one the
    // window shows at its centre (so not off-screen nor covered).
    static bool ShownToUser(const QWidget& control);

    // The stop after (forward) or before the one that holds from (or
    // contains it), passing over stops not shown; the first or last shown
    // stop when from is none of them; nullptr when no stop is shown.
    QWidget* Next(const QWidget* from, bool forward) const;

    bool Contains(const QWidget* widget) const;

private:
    void KeepOthersOutOfTheFocus(QWidget& widget);

    QWidget& m_window;
    std::vector<QPointer<QWidget>> m_stops;
};
