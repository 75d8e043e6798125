// Whole files read and written with the system's calls.

#include "app/WholeFile.h"

#include "FileSizeLimit.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

class TestWholeFile : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<ReadResult>("result");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("a file") << "file" << ReadResult::Read << QByteArray("p {}\n");
        QTest::newRow("an empty file") << "empty" << ReadResult::Read << QByteArray();
        QTest::newRow("a link to a file") << "link" << ReadResult::Read << QByteArray("p {}\n");
        QTest::newRow("no file") << "missing" << ReadResult::CannotOpen << QByteArray();
        QTest::newRow("a folder") << "folder" << ReadResult::CannotOpen << QByteArray();
        QTest::newRow("a FIFO") << "fifo" << ReadResult::CannotOpen << QByteArray();
        QTest::newRow("a device") << "/dev/zero" << ReadResult::CannotOpen << QByteArray();
        QTest::newRow("over the limit") << "large" << ReadResult::TooLarge << QByteArray();
    }
    void read()
    {
        QFETCH(QString, what);
        QFETCH(ReadResult, result);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("file")), "p {}\n");
        writeFile(dir.filePath(QStringLiteral("empty")), "");
        writeFile(dir.filePath(QStringLiteral("large")), QByteArray(101, 'x'));
        QFile::link(dir.filePath(QStringLiteral("file")), dir.filePath(QStringLiteral("link")));
        QDir(dir.path()).mkdir(QStringLiteral("folder"));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo"))).constData(), 0600), 0);
        const QString path = what.startsWith(QLatin1Char('/')) ? what : dir.filePath(what);
        QByteArray got("untouched");
        QCOMPARE(readWholeFile(path, got, 100), result);
        QCOMPARE(got, result == ReadResult::Read ? bytes : QByteArray("untouched"));
    }

    void writingKeepsPermissionsAndWritesThroughLinks()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.css"));
        writeFile(path, "old");
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        QVERIFY(writeWholeFile(path, "new"));
        QCOMPARE(readFile(path), QByteArray("new"));
        struct stat info;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0640));

        const QString link = dir.filePath(QStringLiteral("link.css"));
        QVERIFY(QFile::link(path, link));
        QVERIFY(writeWholeFile(link, "through the link"));
        QCOMPARE(QFileInfo(link).symLinkTarget(), path);
        QCOMPARE(readFile(path), QByteArray("through the link"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System), (QStringList{"a.css", "link.css"}));
    }

    // Replacing another user's file as root keeps it theirs.
    void writingKeepsTheOwner()
    {
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another user");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("theirs.css"));
        writeFile(path, "old");
        const QByteArray name = QFile::encodeName(path);
        QCOMPARE(::chown(name.constData(), 65534, 65534), 0);
        QVERIFY(writeWholeFile(path, "new"));
        struct stat info;
        QCOMPARE(::stat(name.constData(), &info), 0);
        QCOMPARE(int(info.st_uid), 65534);
        QCOMPARE(int(info.st_gid), 65534);
    }

    void failedWriteLeavesTheOldFileAndNoTemporary_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("full disk") << "a.css" << true;
        QTest::newRow("a folder in the way") << "folder" << false;
        QTest::newRow("no such folder") << "none/a.css" << false;
    }
    void failedWriteLeavesTheOldFileAndNoTemporary()
    {
        QFETCH(QString, target);
        QFETCH(bool, fullDisk);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("a.css")), "old");
        QDir(dir.path()).mkdir(QStringLiteral("folder"));
        {
            FileSizeLimit limit(fullDisk ? 10 : RLIM_INFINITY);
            QVERIFY(!writeWholeFile(dir.filePath(target), QByteArray(1000, 'x')));
        }
        QCOMPARE(readFile(dir.filePath(QStringLiteral("a.css"))), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.css"});
    }

    // Names are kept as the system's bytes, valid UTF-8 or not.
    void fileNamesRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("ASCII") << QByteArray("a.css");
        QTest::newRow("UTF-8") << QByteArray("gr\xc3\xb6\xc3\x9f"
                                             "e.css");
        QTest::newRow("Latin-1") << QByteArray("gr\xf6\xdf"
                                               "e.css");
        QTest::newRow("a cut UTF-8 sequence") << QByteArray("a\xc3.css");
        QTest::newRow("an encoded surrogate") << QByteArray("\xed\xb2\x80.css");
        QTest::newRow("four-byte UTF-8") << QByteArray("\xf0\x90\x90\x80.css");
    }
    void fileNamesRoundTrip()
    {
        QFETCH(QByteArray, name);
        const QString decoded = fileNameFromLocal(name);
        QCOMPARE(localFileName(decoded), name);
        QTemporaryDir dir;
        const QString path = fileNameFromLocal(QFile::encodeName(dir.path()) + '/' + name);
        QVERIFY(writeWholeFile(path, "p {}\n"));
        QByteArray bytes;
        QCOMPARE(readWholeFile(path, bytes), ReadResult::Read);
        QCOMPARE(bytes, QByteArray("p {}\n"));
        QVERIFY(::access((QFile::encodeName(dir.path()) + '/' + name).constData(), R_OK) == 0);
    }
};

QTEST_APPLESS_MAIN(TestWholeFile)
#include "tst_whole_file.moc"
