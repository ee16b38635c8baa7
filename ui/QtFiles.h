// The safe file reads and writes of SafeFile, in Qt's types: paths in the
// file system's encoding, reasons as translatable text.
#pragma once

#include "storage/SafeFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// Empty on success, otherwise the reason in words.
inline QString WriteFileSafely(const QString &path, const QByteArray &bytes)
{
    return QString::fromLocal8Bit(WriteFileSafely(QFile::encodeName(path).toStdString(), bytes.toStdString()).c_str());
}

inline QString ReadSmallFile(const QString &path, std::size_t maxBytes, std::string &bytes)
{
    return QString::fromLocal8Bit(ReadSmallFile(QFile::encodeName(path).toStdString(), maxBytes, bytes).c_str());
}
