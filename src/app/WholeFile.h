#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file with `bytes` through a temporary file beside it. The old file is
// replaced only when every byte was written; false leaves it as it was.
bool writeWholeFile(const QString &path, const QByteArray &bytes);
