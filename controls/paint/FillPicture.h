#pragma once
// The picture of a fill or of a smooth label's caption: the bytes of one
// image file, decoded by the platform's image reader when drawn. Empty at
// first. A change of content raises OnChange, which the owner turns into a
// repaint.
#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QRectF>
#include <functional>

class QIODevice;
class QPainter;

class TFillPicture : public QObject {
    Q_OBJECT
    Q_PROPERTY(QByteArray Data READ Data WRITE SetData)
public:
    explicit TFillPicture(QObject* parent = nullptr);

    // True when the picture holds no bytes.
    bool Empty() const { return m_data.isEmpty(); }
    // Size of the decoded image; 0 when empty or when the bytes are no image
    // the decoder knows.
    int Width() const { return Image().width(); }
    int Height() const { return Image().height(); }

    const QByteArray& Data() const { return m_data; }
    // Replaces the bytes; raises OnChange when they differ.
    void SetData(const QByteArray& data);
    void Clear() { SetData({}); }

    // Writes the bytes to `out`; false when not all of them were written.
    bool SaveToStream(QIODevice& out) const;

    // Copies the other picture's bytes (one OnChange when they differ).
    void Assign(const TFillPicture& other) { SetData(other.m_data); }
    // A picture property's setter: takes the bytes of source (none for
    // null) and raises OnChange on every assignment, also of the same bytes.
    void Replace(const TFillPicture* source);

    // The decoded image (null when empty or undecodable), decoded once per content.
    const QImage& Image() const;

    // Draws the image into `target` (stretched to it); nothing when there is
    // no decodable image.
    void Draw(QPainter& painter, const QRectF& target) const;

    std::function<void()> OnChange;

private:
    // After new bytes: the decoded image is stale, and OnChange is raised.
    void ContentChanged();

    QByteArray m_data;
    mutable QImage m_image;
    mutable bool m_decoded = true;
};
