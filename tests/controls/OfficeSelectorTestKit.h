#pragma once
// A shown window holding the theme selector as the status strip has it:
// 116 x 20, the nine theme names, Arial 13 pixels bold, rows 15 high, white
// field, no recent-selection section, the design-time button, frame and
// selection colours. Counts OnChange and OnSelect and what OnSelect saw.
#include "controls/selector/OfficeSelector.h"
#include "tests/support/ActiveWindow.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace selector_kit {

inline QRgb Rgb(TColor c)
{
    const TColor r = ColorToRGB(c);
    return qRgb(GetRValue(r), GetGValue(r), GetBValue(r));
}

inline const QStringList& ThemeNames()
{
    static const QStringList names{"Luna", "Moonlight", "Obsidian", "Blue", "Chrome",
                                   "Olive", "Silver", "Sandy", "Flat"};
    return names;
}

// The design-time look of the window's selector.
inline void ConfigureThemeSelector(TOfficeSelector& s)
{
    s.SetBounds(180, 0, 116, 20);
    s.Font()->SetName(QStringLiteral("Arial"));
    s.Font()->SetHeight(-13);
    s.Font()->SetStyle(fsBold);
    s.Font()->SetColor(clBlack);
    s.SetColor(clWhite);
    s.SetItemHeight(15);
    s.SetDisplayRecentSelection(false);
    s.SetBorderColor(0xC0BCB2);
    s.SetBorderHotColor(0x99CEDB);
    TComboBtn& b = *s.Button();
    b.SetColor(0xDFDED6);
    b.SetColorTo(0xE4E2DB);
    b.SetColorHot(0xEBFDFF);
    b.SetColorHotTo(0xACECFF);
    b.SetColorDown(0x76AFF1);
    b.SetColorDownTo(0x4190F3);
    b.SetColorMirror(0xD7D5CE);
    b.SetColorMirrorTo(0xE7E5E0);
    b.SetColorMirrorHot(0x59DAFF);
    b.SetColorMirrorHotTo(0xA4E9FF);
    b.SetColorMirrorDown(0x0E72F1);
    b.SetColorMirrorDownTo(0x4C9FFD);
    for (auto set : {&TComboBtn::SetGradient, &TComboBtn::SetGradientMirror, &TComboBtn::SetGradientHot,
                     &TComboBtn::SetGradientMirrorHot, &TComboBtn::SetGradientDown, &TComboBtn::SetGradientMirrorDown})
        (b.*set)(ggVertical);
    TSelectionAppearance& a = *s.SelectionAppearance();
    a.SetColor(0xEBFDFF);
    a.SetColorTo(0xABEBFF);
    a.SetColorMirror(0x69D6FF);
    a.SetColorMirrorTo(0x96E4FF);
    a.SetTextColor(clBlack);
    a.SetRounded(true);
    s.SetItems(ThemeNames());
}

struct Fixture {
    QWidget window;
    TOfficeSelector* selector = new TOfficeSelector(nullptr, &window);
    QWidget* other = new QWidget(&window);
    int changes = 0;
    int selects = 0;
    int indexAtSelect = -2;
    QString textAtSelect;
    bool shownAtSelect = false;

    Fixture()
    {
        window.resize(400, 200);
        ConfigureThemeSelector(*selector);
        selector->SetItemIndex(0);
        other->setGeometry(10, 100, 50, 20);
        other->setFocusPolicy(Qt::StrongFocus);
        selector->OnChange = [this](QObject*) { ++changes; };
        selector->OnSelect = [this](QObject*) {
            ++selects;
            indexAtSelect = selector->ItemIndex();
            textAtSelect = selector->Text();
            shownAtSelect = selector->DropDownWindow()->isVisible();
        };
        EXPECT_TRUE(ShowActive(window));
    }
    ~Fixture()
    {
        if (selector && selector->Dropped())
            selector->CloseUp();
    }
    TComboEdit* Edit() const { return selector->Editor(); }
    void Focus()
    {
        Edit()->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        ASSERT_TRUE(Edit()->hasFocus());
    }
    void Type(const char* keys)
    {
        for (const char* k = keys; *k; ++k)
            QTest::keyClick(Edit(), *k);
    }
    // The selector as drawn, in its own coordinates.
    QImage Image() const
    {
        QImage img(selector->size(), QImage::Format_ARGB32);
        img.fill(Qt::magenta);
        selector->render(&img);
        return img;
    }
    QImage PopupImage() const
    {
        TDropDownWindow* w = selector->DropDownWindow();
        QImage img(w->size(), QImage::Format_ARGB32);
        img.fill(Qt::magenta);
        w->render(&img);
        return img;
    }
};

} // namespace selector_kit
