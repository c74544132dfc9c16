#include "controls/paint/GDIPPicture.h"

#include "controls/paint/DeviceRatio.h"
#include "controls/paint/PictureDecoder.h"

#include <QFile>
#include <QPainter>

#include <stdexcept>

namespace {

struct TDecoded {
    QImage image;
    bool colorKeyed = false;
};

TDecoded Decode(const QByteArray& bytes)
{
    const TDecodedPicture picture = DecodePicture(bytes);
    if (picture.image.isNull()) {
        const QString& why = picture.error;
        throw std::runtime_error(
            QStringLiteral("The picture could not be read: %1").arg(why.isEmpty() ? QStringLiteral("unknown format") : why)
                .toStdString());
    }
    TDecoded out;
    out.image = picture.image.convertToFormat(QImage::Format_ARGB32);
    if (picture.format == "bmp" || picture.format == "dib") {
        // Colour key: every pixel of the bottom-left pixel's colour is clear.
        out.colorKeyed = true;
        const QRgb key = out.image.pixel(0, out.image.height() - 1) | 0xFF000000u;
        for (int y = 0; y < out.image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(out.image.scanLine(y));
            for (int x = 0; x < out.image.width(); ++x)
                if ((row[x] | 0xFF000000u) == key)
                    row[x] = 0;
        }
    }
    out.image = out.image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return out;
}

} // namespace

TGDIPPicture::TGDIPPicture(QObject* parent)
    : QObject(parent)
{
}

void TGDIPPicture::SetData(const QByteArray& bytes)
{
    if (bytes == m_data)
        return;
    TDecoded decoded;
    if (!bytes.isEmpty())
        decoded = Decode(bytes); // throws before anything changed
    m_data = bytes;
    m_image = std::move(decoded.image);
    m_colorKeyed = decoded.colorKeyed;
    m_scaled = QImage();
    if (OnChange)
        OnChange();
}

void TGDIPPicture::LoadFromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()).toStdString());
    SetData(file.readAll());
}

void TGDIPPicture::Assign(const TGDIPPicture& other)
{
    if (&other == this || other.m_data == m_data)
        return;
    m_data = other.m_data;
    m_image = other.m_image;
    m_colorKeyed = other.m_colorKeyed;
    m_scaled = QImage();
    if (OnChange)
        OnChange();
}

void TGDIPPicture::Draw(QPainter& painter, int x, int y) const
{
    if (m_image.isNull())
        return;
    const qreal ratio = PaintRatio(painter);
    if (ratio <= 1.0) {
        painter.drawImage(QPoint(x, y), m_image);
        return;
    }
    if (m_scaled.isNull() || m_scaled.devicePixelRatio() != ratio)
        m_scaled = ScalePixelPicture(m_image, ratio);
    painter.drawImage(QPoint(x, y), m_scaled);
}
