#include "controls/core/Application.h"

#include "controls/paint/Color.h"
#include "controls/core/ErrorBox.h"
#include "controls/core/Events.h"

#include <QStyleFactory>

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    ApplyFixedLook();
}

void TApplication::SetTitle(const QString& title)
{
    SetApplicationTitle(title);
}

QPointer<QWidget>& TApplication::MainFormSlot()
{
    static QPointer<QWidget> mainForm;
    return mainForm;
}

QWidget* TApplication::MainForm()
{
    return MainFormSlot().data();
}

void TApplication::SetMainForm(QWidget* form)
{
    MainFormSlot() = form;
}

QPalette TApplication::FixedPalette()
{
    QPalette p;
    auto set = [&p](QPalette::ColorRole role, TColor c) { p.setColor(role, ToQColor(c)); };
    set(QPalette::Window, clBtnFace);
    set(QPalette::WindowText, clWindowText);
    set(QPalette::Base, clWindow);
    set(QPalette::AlternateBase, clBtnFace);
    set(QPalette::Text, clWindowText);
    set(QPalette::Button, clBtnFace);
    set(QPalette::ButtonText, clBtnText);
    set(QPalette::BrightText, clHighlightText);
    set(QPalette::Highlight, clHighlight);
    set(QPalette::HighlightedText, clHighlightText);
    set(QPalette::ToolTipBase, clInfoBk);
    set(QPalette::ToolTipText, clInfoText);
    set(QPalette::Light, clBtnHighlight);
    set(QPalette::Midlight, cl3DLight);
    set(QPalette::Mid, clBtnShadow);
    set(QPalette::Dark, clBtnShadow);
    set(QPalette::Shadow, cl3DDkShadow);
    set(QPalette::Link, clHotLight);
    set(QPalette::LinkVisited, clPurple);
    set(QPalette::PlaceholderText, clGrayText);
    // Disabled text is the grey text colour in every role that shows text.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, ToQColor(clGrayText));
    return p;
}

void TApplication::ApplyFixedLook()
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setPalette(FixedPalette());
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    return DeliverGuarded([&] { return QApplication::notify(receiver, event); });
}

bool TApplication::DeliverGuarded(const std::function<bool()>& deliver)
{
    bool delivered = false;
    GuardedCall([&] { delivered = deliver(); });
    return delivered;
}
