// The program: the application title, the one window, the event loop.
#include "controls/Application.h"
#include "window/Form1.h"

#include <QEvent>
#include <QTimer>

namespace {

// For start-up measurements: ends the program once the window has painted
// for the first time (LUMORA_EXIT_AFTER_FIRST_PAINT set in the environment).
class TFirstPaintExit : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, e);
    }

private:
    bool m_done = false;
};

} // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    app.SetTitle(QStringLiteral("Lumora - find the words hidden in the cross"));

    TForm1* form = TApplication::CreateForm<TForm1>();
    if (qEnvironmentVariableIsSet("LUMORA_EXIT_AFTER_FIRST_PAINT"))
        form->installEventFilter(new TFirstPaintExit(form));
    form->show();
    app.exec();
    delete form;
    return 0;
}
