// Components freed in an order their users did not expect: a panel styler
// destroyed while panels still name it, by its owner or on its own. Run
// under the sanitizers, these catch any read of the half-destroyed styler;
// without them, a panel left pointing at a freed styler.
#include "controls/core/Form.h"
#include "controls/panel/PanelStyler.h"
#include "controls/panel/StyledPanel.h"

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <gtest/gtest.h>

namespace {

void Paint(QWidget& w)
{
    QImage img(w.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    w.render(&img);
}

} // namespace

TEST(StylerTeardown, AStylerFreedBeforeItsPanelsLeavesThemWithoutOne)
{
    auto* form = new TForm;
    auto* styler = new TPanelStyler(form);
    auto* first = new TStyledPanel(form, form);
    auto* second = new TStyledPanel(form, form);
    first->SetStyler(styler);
    second->SetStyler(styler);
    first->resize(60, 40);

    delete styler;
    EXPECT_EQ(first->Styler(), nullptr);
    EXPECT_EQ(second->Styler(), nullptr);
    Paint(*first); // still draws, in its own colours
    EXPECT_EQ(form->ComponentCount(), 2);
    delete form;
}

TEST(StylerTeardown, AnOwnerFreesAStylerCreatedBeforeOrAfterItsPanels)
{
    for (const bool stylerFirst : {true, false}) {
        SCOPED_TRACE(stylerFirst ? "styler created first" : "panel created first");
        auto* form = new TForm;
        TPanelStyler* styler = stylerFirst ? new TPanelStyler(form) : nullptr;
        auto* panel = new TStyledPanel(form, form);
        if (!styler)
            styler = new TPanelStyler(form);
        panel->SetStyler(styler);
        ASSERT_EQ(panel->Styler(), styler);
        // Freed last created first: the styler goes before or after the panel.
        const QPointer<QObject> panelAlive(panel), stylerAlive(styler);
        delete form;
        EXPECT_TRUE(panelAlive.isNull());
        EXPECT_TRUE(stylerAlive.isNull());
    }
}

TEST(StylerTeardown, AStylerOfAnotherOwnerFreedFirst)
{
    auto* stylers = new TForm;
    auto* form = new TForm;
    auto* styler = new TPanelStyler(stylers);
    auto* panel = new TStyledPanel(form, form);
    panel->SetStyler(styler);
    delete stylers;
    EXPECT_EQ(panel->Styler(), nullptr);
    Paint(*panel);
    delete form;
}
