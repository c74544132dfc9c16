// The floor of the start-up goal: the bare Qt window of bare-window.cpp,
// but painting what any program drawing the game's window has to paint at
// the least: a gradient over the whole client area and thirty short texts in
// the form's three faces, at the sizes and weights the form uses, with the
// free faces the system lacks registered first, from the same files the
// game embeds. No controls, no form, no word list. Built once as it is and
// once linked against Qt Multimedia as well, to show what that link costs.
#include "bench/FirstPaintExit.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

namespace {

class TextWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QLinearGradient fill(0, 0, 0, height());
        fill.setColorAt(0, QColor(250, 250, 255));
        fill.setColorAt(1, QColor(90, 110, 170));
        p.fillRect(rect(), fill);
        const char* families[] = {"MS Sans Serif", "Tahoma", "Arial"};
        int y = 14;
        for (int i = 0; i < 30; ++i) {
            QFont font(QString::fromLatin1(families[i % 3]));
            font.setPixelSize(11 + i % 4);
            font.setBold(i % 5 == 0);
            p.setFont(font);
            p.drawText(6 + (i % 2) * 220, y, QStringLiteral("Word %1: ABCDEFGHI letters").arg(i));
            if (i % 2)
                y += 24;
        }
    }
};

void RegisterMissingFaces()
{
    const QStringList system = QFontDatabase::families();
    for (const char* file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf",
                             "/usr/share/wine/fonts/ms_sans_serif.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    if (!system.contains(QStringLiteral("Arial"), Qt::CaseInsensitive))
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    RegisterMissingFaces();
    TextWindow window;
    window.resize(450, 390);
    window.installEventFilter(new TFirstPaintExit(&window));
    window.show();
    return app.exec();
}
