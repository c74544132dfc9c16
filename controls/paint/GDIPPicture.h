#pragma once
// A picture shown on a glow button: the bytes of one image file, decoded
// once when they are set. A BMP is drawn with colour-key transparency (the
// colour of its bottom-left pixel is transparent everywhere in it); other
// formats keep their own transparency.
#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

class QPainter;

class TGDIPPicture : public QObject {
    Q_OBJECT
    // The image file's bytes, as a form file stores them.
    Q_PROPERTY(QByteArray Data READ Data WRITE SetData)
public:
    explicit TGDIPPicture(QObject* parent = nullptr);

    const QByteArray& Data() const { return m_data; }
    // Takes the bytes of an image file; empty bytes clear the picture. Bytes
    // that do not decode as an image throw std::runtime_error and leave the
    // picture as it was.
    void SetData(const QByteArray& bytes);
    // Reads an image file; throws std::runtime_error (picture unchanged) when
    // the file cannot be read or is not an image.
    void LoadFromFile(const QString& path);
    void Clear() { SetData({}); }
    void Assign(const TGDIPPicture& other);

    bool Empty() const { return m_image.isNull(); }
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    // True when the data is a BMP, drawn with its bottom-left colour as key.
    bool ColorKeyed() const { return m_colorKeyed; }
    // The decoded image, with the colour key already made transparent.
    const QImage& Image() const { return m_image; }

    // Draws the picture at its own size in logical pixels with its top-left
    // at (x, y); on a denser surface it is enlarged to the surface's pixels
    // with its edges kept (ScalePixelPicture).
    void Draw(QPainter& painter, int x, int y) const;

    // Raised after the picture changed.
    std::function<void()> OnChange;

private:
    QByteArray m_data;
    QImage m_image;
    bool m_colorKeyed = false;
    // The picture enlarged for the last denser surface it was drawn on.
    mutable QImage m_scaled;
};
