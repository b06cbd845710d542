#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at path with data through a temporary file in the same
// directory, so a failed write leaves the old file as it was. False when the
// file could not be written.
bool writeFileAtomically(const QString &path, const QByteArray &data);
