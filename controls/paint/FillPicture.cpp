#include "controls/paint/FillPicture.h"

#include "controls/paint/PictureDecoder.h"
#include "controls/paint/Property.h"

#include <QIODevice>
#include <QPainter>

TFillPicture::TFillPicture(QObject* parent)
    : QObject(parent)
{
}

void TFillPicture::SetData(const QByteArray& data)
{
    if (SetIfChanged(m_data, data))
        ContentChanged();
}

void TFillPicture::Replace(const TFillPicture* source)
{
    if (SetIfChanged(m_data, source ? source->m_data : QByteArray()))
        ContentChanged();
    else if (OnChange)
        OnChange();
}

void TFillPicture::ContentChanged()
{
    m_image = QImage();
    m_decoded = m_data.isEmpty();
    if (OnChange)
        OnChange();
}

bool TFillPicture::SaveToStream(QIODevice& out) const
{
    if (!out.isWritable())
        return false;
    return out.write(m_data) == m_data.size();
}

const QImage& TFillPicture::Image() const
{
    if (!m_decoded) {
        m_decoded = true;
        m_image = DecodePicture(m_data).image;
    }
    return m_image;
}

void TFillPicture::Draw(QPainter& painter, const QRectF& target) const
{
    const QImage& img = Image();
    if (img.isNull() || target.isEmpty())
        return;
    painter.drawImage(target, img);
}
