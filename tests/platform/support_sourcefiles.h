#pragma once
// The files of the source tree (resources/...) that the embedded copies are
// compared with. The tree is found through LUMORA_SOURCE_DIR (set by ctest)
// or, for a direct run, from where this file was compiled.
#include <QByteArray>
#include <QString>

QString SourcePath(const QString& relative);
QByteArray ReadSourceFile(const QString& relative);
