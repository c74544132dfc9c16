#include "controls/paint/PictureDecoder.h"

#include <QBuffer>
#include <QImageReader>

namespace {

bool StartsWith(const QByteArray& bytes, const char* signature, qsizetype length)
{
    return bytes.size() >= length && bytes.startsWith(QByteArrayView(signature, length));
}

TDecodedPicture Read(const QByteArray& bytes, const QByteArray& format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // Left on, detection asks every plugin first even of a named format.
    reader.setAutoDetectImageFormat(format.isEmpty());
    TDecodedPicture out;
    out.format = reader.format().toLower();
    out.image = reader.read();
    if (out.image.isNull())
        out.error = reader.errorString();
    return out;
}

} // namespace

QByteArray PictureFormatOf(const QByteArray& bytes)
{
    if (StartsWith(bytes, "BM", 2))
        return QByteArrayLiteral("bmp");
    if (StartsWith(bytes, "\x89PNG\r\n\x1a\n", 8))
        return QByteArrayLiteral("png");
    if (StartsWith(bytes, "GIF87a", 6) || StartsWith(bytes, "GIF89a", 6))
        return QByteArrayLiteral("gif");
    if (StartsWith(bytes, "\xff\xd8\xff", 3))
        return QByteArrayLiteral("jpeg");
    if (StartsWith(bytes, "\x00\x00\x01\x00", 4))
        return QByteArrayLiteral("ico");
    return {};
}

TDecodedPicture DecodePicture(const QByteArray& bytes)
{
    const QByteArray format = PictureFormatOf(bytes);
    TDecodedPicture named = Read(bytes, format);
    if (!named.image.isNull() || format.isEmpty())
        return named;
    // A signature is only two to eight bytes: data that merely starts like
    // a format still gets every reader's opinion, and when none reads it,
    // the named format's reader says why.
    TDecodedPicture probed = Read(bytes, QByteArray());
    return probed.image.isNull() ? named : probed;
}
