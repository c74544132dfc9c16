#include "support_sourcefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <gtest/gtest.h>

QString SourcePath(const QString& relative)
{
    QString root = qEnvironmentVariable("LUMORA_SOURCE_DIR");
    if (root.isEmpty())
        root = QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath(QStringLiteral("../.."));
    return QDir::cleanPath(root + QLatin1Char('/') + relative);
}

QByteArray ReadSourceFile(const QString& relative)
{
    QFile file(SourcePath(relative));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << qPrintable(file.fileName());
        return {};
    }
    return file.readAll();
}
