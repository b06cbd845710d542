#pragma once

#include <QString>

class QFile;

// The per-user folder lies in a root every user may write in, so another
// user can make it, or plant links and FIFOs in it, before its owner first
// runs the panel. Nothing is read or written there unless the folder is safe.

// "/usr/share/quorvan/<name>/": name is USER, or the account name of the
// real user id when USER is unset or empty.
QString currentUserDataDir();

enum class UserDataDirState {
    Absent,   // nothing of that name yet; the writers create it
    Usable,   // a real directory of this user that others cannot write in
    Refused,  // a link, not a directory, another user's, or writable by all
};

// The state of the folder named by userDataDir, looked at anew every call.
UserDataDirState userDataDirState();
// True when the panel may read, write, rename and delete in userDataDir now.
bool userDataDirUsable();
// True when path holds a NUL: the system would take the path as ending
// there, at a file of another name, so such a path never reaches it.
bool holdsNul(const QString &path);
// True when path names userDataDir itself or something inside it.
bool isInUserDataDir(const QString &path);

// Opens path for reading when it is a regular file, without following a
// link and without blocking on a FIFO; inside userDataDir only while the
// folder is usable. False, with file closed, otherwise.
bool openUserFileForReading(QFile &file, const QString &path);
