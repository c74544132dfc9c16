#pragma once
// Turns the bytes of a picture (a form file's picture data, a resource)
// into an image.
//
// The format is named from the data's own signature, so Qt goes straight
// to its decoder: asked without a format, Qt would load every image-format
// plugin installed to ask each whether it reads the data, which costs a
// start-up far more than the decoding itself. Data of an unknown signature
// is still offered to every plugin.
#include <QByteArray>
#include <QImage>
#include <QString>

struct TDecodedPicture {
    QImage image;       // null when the data could not be read
    QByteArray format;  // lower case ("bmp", "png"), as the reader named it
    QString error;      // why the image is null
};

// "bmp", "png", "gif", "jpeg" or "ico" when the data starts with that
// format's signature, or empty.
QByteArray PictureFormatOf(const QByteArray& bytes);

TDecodedPicture DecodePicture(const QByteArray& bytes);
