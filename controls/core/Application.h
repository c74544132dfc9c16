#pragma once
// The application object of the program: a QApplication that
//  - lets no exception cross Qt's event loop: one thrown while an event is
//    delivered is shown in the standard error box and the program goes on;
//  - carries the application title (the caption of the error box);
//  - runs with the Fusion style and one fixed light palette taken from the
//    system colours, so the few platform widgets (edit box, scroll bars,
//    message boxes) match the program's own colours whatever the desktop's
//    scheme;
//  - knows the main form: the first form created through CreateForm.
//
// Tests run on a plain QApplication; MainForm and the title work there too.
#include <QApplication>
#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <functional>

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    void SetTitle(const QString& title);

    // Creates a form; the first form created this way becomes the main form.
    template <class Form, class... Args>
    static Form* CreateForm(Args&&... args)
    {
        auto* form = new Form(std::forward<Args>(args)...);
        if (!MainForm())
            SetMainForm(form);
        return form;
    }
    static QWidget* MainForm();
    static void SetMainForm(QWidget* form);

    // The palette of the fixed light system colours.
    static QPalette FixedPalette();
    // Fusion style and FixedPalette on the running application.
    static void ApplyFixedLook();

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs deliver; an exception it throws is shown in the standard error
    // box and the result is false. notify() delivers every event through it.
    static bool DeliverGuarded(const std::function<bool()>& deliver);

private:
    static QPointer<QWidget>& MainFormSlot();
};
