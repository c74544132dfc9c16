#pragma once
// Shared set-up of the glow button tests: hand-ticked fade timers, a host
// widget with a solid red background, a button on it, and the pointer and
// key events a player produces.
#include "controls/glowbutton/GlowButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>

inline constexpr QRgb kHostRed = 0xFFFF0000;

// Sets every face colour and the border of one look.
enum class TLook { Normal, Hot, Down, Checked, Disabled };
inline void SetLook(TGlowButtonAppearance& a, TLook look, TColor face, TColor border)
{
    switch (look) {
    case TLook::Normal:
        a.SetColor(face), a.SetColorTo(face), a.SetColorMirror(face), a.SetColorMirrorTo(face), a.SetBorderColor(border);
        break;
    case TLook::Hot:
        a.SetColorHot(face), a.SetColorHotTo(face), a.SetColorMirrorHot(face), a.SetColorMirrorHotTo(face);
        a.SetBorderColorHot(border);
        break;
    case TLook::Down:
        a.SetColorDown(face), a.SetColorDownTo(face), a.SetColorMirrorDown(face), a.SetColorMirrorDownTo(face);
        a.SetBorderColorDown(border);
        break;
    case TLook::Checked:
        a.SetColorChecked(face), a.SetColorCheckedTo(face), a.SetColorMirrorChecked(face);
        a.SetColorMirrorCheckedTo(face), a.SetBorderColorChecked(border);
        break;
    case TLook::Disabled:
        a.SetColorDisabled(face), a.SetColorDisabledTo(face), a.SetColorMirrorDisabled(face);
        a.SetColorMirrorDisabledTo(face), a.SetBorderColorDisabled(border);
        break;
    }
}

class GlowButtonTest : public ::testing::Test {
protected:
    TManualFadeTimers timers;
    platform::ScopedService<IFadeTimerFactory> useTimers{timers};
    QWidget host;
    TGlowButton* button = nullptr;

    void SetUp() override
    {
        host.resize(200, 200);
        host.setAutoFillBackground(true);
        QPalette pal = host.palette();
        pal.setColor(QPalette::Window, QColor::fromRgb(kHostRed));
        host.setPalette(pal);
        button = new TGlowButton(nullptr, &host);
        button->SetBounds(10, 10, 48, 48);
        host.show();
    }

    // The face as the screen shows it (the corners transparent).
    QImage Face() { return button->grab().toImage().convertToFormat(QImage::Format_ARGB32); }
    QRgb FacePixel(int x, int y) { return Face().pixel(x, y); }
    // The host with the button on it.
    QImage Host() { return host.grab().toImage().convertToFormat(QImage::Format_ARGB32); }

    void Enter(QPoint p = {24, 24})
    {
        QEnterEvent e(p, button->mapTo(&host, p), button->mapToGlobal(p));
        QApplication::sendEvent(button, &e);
    }
    void Leave()
    {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(button, &e);
    }
    void Mouse(QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons held)
    {
        QMouseEvent e(type, QPointF(p), QPointF(button->mapToGlobal(p)), b, held, Qt::NoModifier);
        QApplication::sendEvent(button, &e);
    }
    void Move(QPoint p, bool held = false)
    {
        Mouse(QEvent::MouseMove, p, Qt::NoButton, held ? Qt::LeftButton : Qt::NoButton);
    }
    void Press(QPoint p = {24, 24}) { Mouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton); }
    void Release(QPoint p = {24, 24}) { Mouse(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton); }
    void DoubleClickPress(QPoint p = {24, 24})
    {
        Mouse(QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
    }
    // The pointer comes in, moves a little, and clicks.
    void ClickInside()
    {
        Enter();
        Move({24, 24});
        Press();
        Release();
    }
    void Tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            timers.TickAll();
    }
    // Ticks until no fade runs (bounded, so a timer that never ends fails).
    void TickUntilIdle()
    {
        for (int i = 0; i < 100 && timers.LiveCount() > 0; ++i)
            timers.TickAll();
        ASSERT_EQ(timers.LiveCount(), 0) << "a fade never ended";
    }
};

// Colour comparison with a small tolerance per channel (gradient rounding).
inline ::testing::AssertionResult Near(QRgb actual, QRgb expected, int tolerance = 1)
{
    const int dr = std::abs(qRed(actual) - qRed(expected));
    const int dg = std::abs(qGreen(actual) - qGreen(expected));
    const int db = std::abs(qBlue(actual) - qBlue(expected));
    if (dr <= tolerance && dg <= tolerance && db <= tolerance && qAlpha(actual) == 255)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel " << std::hex << actual << " expected " << expected;
}

// The screen colour of a TColor.
inline QRgb Screen(TColor c)
{
    return ToQColor(c).rgba();
}
