// Draws the window icon (lumora.png) and the 14 x 14 caption pictures
// (images/close.bmp, images/minimize.bmp) into the folder named on the
// command line.
//
// The pictures are written byte by byte as 24-bit uncompressed BMPs on a
// magenta 0xFF00FF ground, which the glow button leaves transparent.
// The icon is nine letter tiles in the game's cross: GRACE across,
// FAITH down, sharing the A.
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int kPictureSize = 14;
using Picture = std::array<std::array<bool, kPictureSize>, kPictureSize>; // [row][column], true = black

void put16(QByteArray& b, unsigned v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray& b, unsigned v)
{
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// A 24-bit BI_RGB bitmap, bottom-up rows padded to four bytes.
QByteArray encodeBmp(const Picture& picture)
{
    const unsigned rowBytes = (kPictureSize * 3 + 3) / 4 * 4;
    const unsigned pixelBytes = rowBytes * kPictureSize;
    QByteArray b;
    b.append("BM");
    put32(b, 14 + 40 + pixelBytes); // file size
    put32(b, 0);                    // reserved
    put32(b, 14 + 40);              // offset of the pixels
    put32(b, 40);                   // BITMAPINFOHEADER
    put32(b, kPictureSize);
    put32(b, kPictureSize);
    put16(b, 1);  // planes
    put16(b, 24); // bits per pixel
    put32(b, 0);  // BI_RGB
    put32(b, pixelBytes);
    put32(b, 2835); // 72 dpi
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    for (int row = kPictureSize - 1; row >= 0; --row) {
        for (int col = 0; col < kPictureSize; ++col) {
            const bool black = picture[row][col];
            b.append(char(black ? 0x00 : 0xFF)); // blue
            b.append(char(0x00));                // green
            b.append(char(black ? 0x00 : 0xFF)); // red
        }
        for (unsigned pad = kPictureSize * 3; pad < rowBytes; ++pad)
            b.append(char(0));
    }
    return b;
}

// A black X of 8 by 8 pixels, strokes two pixels wide, centred: each row of
// the box holds two neighbouring pixels of each diagonal, and the two
// strokes meet in a 2 by 2 square in the middle rows.
Picture closePicture()
{
    Picture p {};
    constexpr int box = 8;
    constexpr int origin = (kPictureSize - box) / 2;
    for (int y = 0; y < box; ++y) {
        const int x = (y * (box - 2) * 2 + (box - 1)) / ((box - 1) * 2); // round(y * 6 / 7)
        for (int dx = 0; dx < 2; ++dx) {
            p[origin + y][origin + x + dx] = true;
            p[origin + y][origin + box - 1 - x - dx] = true;
        }
    }
    return p;
}

// A black bar 6 pixels wide and 2 high, centred across, in the 10th and
// 11th rows from the top.
Picture minimizePicture()
{
    Picture p {};
    constexpr int width = 6;
    constexpr int left = (kPictureSize - width) / 2;
    for (int row = 9; row <= 10; ++row)
        for (int col = left; col < left + width; ++col)
            p[row][col] = true;
    return p;
}

QImage drawIcon(const QString& family)
{
    constexpr int size = 256;
    constexpr int cell = size / 5;
    constexpr int inset = 3;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    struct Tile {
        int col, row;
        char letter;
    };
    const Tile tiles[] = {
        {2, 0, 'F'},
        {0, 1, 'G'}, {1, 1, 'R'}, {2, 1, 'A'}, {3, 1, 'C'}, {4, 1, 'E'},
        {2, 2, 'I'}, {2, 3, 'T'}, {2, 4, 'H'},
    };
    const int margin = (size - 5 * cell) / 2;

    QFont font(family);
    font.setBold(true);
    font.setPixelSize(cell * 62 / 100);

    for (const Tile& t : tiles) {
        // Geometry of the tile
        const QRectF r(margin + t.col * cell + inset, margin + t.row * cell + inset,
                       cell - 2 * inset, cell - 2 * inset);
        QPainterPath path;
        path.addRoundedRect(r, cell * 0.16, cell * 0.16);

        // Colours: deep blue with a lighter top half, the crossing tile warmer
        const bool crossing = t.col == 2 && t.row == 1;
        const QColor top = crossing ? QColor(0xF0, 0xB0, 0x30) : QColor(0x3A, 0x5C, 0xD8);
        const QColor bottom = crossing ? QColor(0xB8, 0x6A, 0x00) : QColor(0x00, 0x10, 0x8A);

        // The tile, its gloss, its edge and its letter
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        fill.setColorAt(0.0, top.lighter(125));
        fill.setColorAt(0.5, top);
        fill.setColorAt(0.51, bottom.lighter(115));
        fill.setColorAt(1.0, bottom);
        painter.fillPath(path, fill);
        painter.setPen(QPen(bottom.darker(160), 2.0));
        painter.drawPath(path);
        painter.setPen(Qt::white);
        painter.setFont(font);
        painter.drawText(r, Qt::AlignCenter, QString(QChar(t.letter)));
    }
    painter.end();
    return image;
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size()) {
        std::fprintf(stderr, "draw-images: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(f.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw-images <resources folder> <bold sans font file>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const int fontId = QFontDatabase::addApplicationFont(QString::fromLocal8Bit(argv[2]));
    const QStringList families = QFontDatabase::applicationFontFamilies(fontId);
    if (families.isEmpty()) {
        std::fprintf(stderr, "draw-images: cannot load the font %s\n", argv[2]);
        return 1;
    }

    bool ok = writeFile(out + "/images/close.bmp", encodeBmp(closePicture()))
        && writeFile(out + "/images/minimize.bmp", encodeBmp(minimizePicture()));
    if (ok && !drawIcon(families.first()).save(out + "/lumora.png", "PNG")) {
        std::fprintf(stderr, "draw-images: cannot write %s/lumora.png\n", qPrintable(out));
        ok = false;
    }
    return ok ? 0 : 1;
}
