#include "Installation.h"

#include "AppError.h"
#include "Dialogs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Installation {

namespace {

const QStringList kDataFolders{QStringLiteral("inf"), QStringLiteral("styledefs")};
const QString kElementList = QStringLiteral("inf/selektoren.inf");
// In the user's data folder: the stamp of the shipped data the copy was made from,
// and the digest of the element list as shipped then, to tell the user's own edits.
const QString kStampFile = QStringLiteral(".shipped-data");

QByteArray fileDigest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}

// Every file of the shipped folders, as "inf/name".
QStringList dataFiles(const QString &dataDir)
{
    QStringList files;
    for (const QString &folder : kDataFolders) {
        const QDir dir(dataDir + folder);
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
            files << folder + QLatin1Char('/') + name;
    }
    return files;
}

// Copies the shipped files into the user's folder: all of them, or only those the
// user's copy lacks; the element list stays when `keepElementList`.
enum class Copy { All, Missing };

void copyData(const QString &from, const QString &to, Copy which, bool keepElementList)
{
    for (const QString &folder : kDataFolders) {
        if (!QDir().mkpath(to + folder))
            throw AppError::cannotCreate(to + folder);
    }
    for (const QString &file : dataFiles(from)) {
        if (keepElementList && file == kElementList)
            continue;
        const QString target = to + file;
        if (which == Copy::Missing && QFileInfo::exists(target))
            continue;
        QFile::remove(target);
        if (!QFile::copy(from + file, target))
            throw AppError::cannotCreate(target);
        // The shipped files are read-only; the user's copy is the user's.
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
}

void writeStamp(const QString &userDir, const QByteArray &stamp, const QByteArray &elementListDigest)
{
    QFile file(userDir + kStampFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(stamp + '\n' + elementListDigest + '\n') < 0)
        throw AppError::cannotWriteTo(userDir + kStampFile);
}

} // namespace

QString sharedDataDir(const QString &appDir)
{
    return QDir::cleanPath(appDir + QStringLiteral("../share/stylograf")) + QLatin1Char('/');
}

bool isPortable(const QString &appDir)
{
    for (const QString &folder : kDataFolders) {
        if (!QFileInfo(appDir + folder).isDir())
            return false;
    }
    return QFileInfo(appDir).isWritable();
}

AppPaths paths(const QString &appDir, const QString &userDataHome, const QString &userConfigHome)
{
    AppPaths paths;
    paths.appDir = appDir;
    if (!isPortable(appDir)) {
        paths.dataDir = userDataHome + QStringLiteral("/stylograf/");
        paths.configDir = userConfigHome + QStringLiteral("/stylograf/");
        paths.helpDir = sharedDataDir(appDir);
    }
    return paths;
}

QByteArray dataStamp(const QString &dataDir)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString &file : dataFiles(dataDir)) {
        hash.addData(file.toUtf8() + '\0');
        hash.addData(fileDigest(dataDir + file));
    }
    return hash.result().toHex();
}

void prepareUserData(const AppPaths &paths, Dialogs &dialogs)
{
    if (paths.dataDir.isEmpty())
        return;
    const QString shared = sharedDataDir(paths.appDir);
    const QString user = paths.dataDir;
    if (!QDir().mkpath(user))
        throw AppError::cannotCreate(user);
    if (!QDir().mkpath(paths.configDir))
        throw AppError::cannotCreate(paths.configDir);
    // Made at once, so that the user finds it where the manual page says.
    QFile settings(paths.settingsFile());
    if (!settings.exists() && !settings.open(QIODevice::WriteOnly))
        throw AppError::cannotCreate(paths.settingsFile());
    const QByteArray shippedStamp = dataStamp(shared);
    const QByteArray shippedList = fileDigest(shared + kElementList);

    QFile stampFile(user + kStampFile);
    if (!stampFile.open(QIODevice::ReadOnly)) {
        copyData(shared, user, Copy::All, false);
        writeStamp(user, shippedStamp, shippedList);
        return;
    }
    const QList<QByteArray> stamp = stampFile.readAll().split('\n');
    stampFile.close();
    if (stamp.value(0) == shippedStamp) {
        // A file the user deleted comes back as shipped.
        copyData(shared, user, Copy::Missing, false);
        return;
    }
    // Asked once for each new data set: the answer is remembered with the stamp.
    const Answer answer = dialogs.message(
        BoxKind::Confirmation,
        QStringLiteral("Diese Version von Stylograf bringt neue Referenzdaten mit. Sollen sie Ihre Kopie in %1 "
                       "ersetzen? Ihre eigenen Einträge in der Elementliste bleiben erhalten.")
            .arg(user),
        Buttons::YesNo);
    QByteArray listDigest = stamp.value(1);
    if (answer == Answer::Yes) {
        const bool edited = fileDigest(user + kElementList) != stamp.value(1);
        copyData(shared, user, Copy::All, edited);
        if (!edited)
            listDigest = shippedList;
    }
    writeStamp(user, shippedStamp, listDigest);
}

} // namespace Installation
