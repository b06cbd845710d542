#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at path with data through a temporary file in the same
// directory, so a failed write leaves the old file as it was. False when the
// file could not be written, or path holds a NUL.
//
// Inside userDataDir it writes only while the folder is usable, and a link
// at path is replaced by the new file, never followed; elsewhere (the user's
// own home) a link is written through, as QSaveFile does.
bool writeFileAtomically(const QString &path, const QByteArray &data);

// Gives the file at from the name to, only when nothing stands at to, not
// even a dangling link; never copies, so never writes through a link
// planted at to. False, with from left as it was, otherwise, and when
// either path holds a NUL.
bool renameWithoutReplacing(const QString &from, const QString &to);
