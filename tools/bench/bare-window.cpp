// The baseline of the start-up and memory figures: a bare Qt program that
// opens one empty window of the game's size and ends once it has painted
// for the first time, exactly as the game does when
// LUMORA_EXIT_AFTER_FIRST_PAINT is set.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintExit : public QObject {
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
    QApplication app(argc, argv);
    QWidget window;
    window.resize(450, 390);
    window.installEventFilter(new FirstPaintExit(&window));
    window.show();
    return app.exec();
}
