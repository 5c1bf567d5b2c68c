// Writing a file whole, so that a failure says why.
#pragma once

#include <QtGlobal>

class QFileDevice;

// Writes all size bytes of data to file; false when that fails, with the
// system's reason in file.errorString(). A disk that fills part-way makes one
// write come back short without an error of its own ("Unknown error"): the
// next write is the one that fails and names the cause.
bool writeWhole(QFileDevice& file, const char* data, qint64 size);
