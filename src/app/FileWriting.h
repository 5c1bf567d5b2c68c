// Writing a file whole, so that a failure says why, and clearing up after a
// save that was killed.
#pragma once

#include <QtGlobal>

class QByteArray;
class QFileDevice;
class QString;

// Writes all size bytes of data to file; false when that fails, with the
// system's reason in file.errorString(). A disk that fills part-way makes one
// write come back short without an error of its own ("Unknown error"): the
// next write is the one that fails and names the cause.
bool writeWhole(QFileDevice& file, const char* data, qint64 size);

// Puts bytes at path so that a failure leaves no half-written file in place
// of an earlier one; false, with the reason in error, when that fails.
bool writeFile(const QString& path, const QByteArray& bytes, QString& error);

// A save that was killed leaves its temporary file beside the document: the
// document's name, a dot and six letters or digits. Those that are empty or
// hold a whole document are removed after the next save of path; anything
// else is left alone, as it may be the user's.
void removeStrayTemporaries(const QString& path);
