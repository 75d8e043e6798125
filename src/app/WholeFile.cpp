#include "WholeFile.h"

#include <QSaveFile>

bool writeWholeFile(const QString &path, const QByteArray &bytes)
{
    // Unbuffered, so that a short write (a full disk) shows in write()'s result: a
    // buffered QSaveFile can commit a truncated file when only its final flush fails.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
