#include "app/AppError.h"
#include "document/DocumentFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "FileSizeLimit.h"
#include "TestFiles.h"

using namespace TextFileFormat;


class TestDocumentFile : public QObject
{
    Q_OBJECT

private slots:
    void readAndWriteBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.css"));
        const QByteArray bytes("/* \xe4 */\rp {}\r");
        writeFile(path, bytes);
        Decoded d = DocumentFile::read(path);
        QCOMPARE(d.encoding, Encoding::Windows1252);
        QCOMPARE(d.lineEnd, LineEnd::Cr);
        QFile::remove(path);
        DocumentFile::write(path, d.lines, d.lineEnd, d.encoding);
        QCOMPARE(readFile(path), bytes);
    }

    void missingFileCannotBeOpened()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("none.css"));
        try {
            DocumentFile::read(path);
            QFAIL("no error");
        } catch (const AppError &e) {
            QCOMPARE(e.text(), QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(path));
        }
    }

    void folderThatIsAFileCannotBeWritten()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("file")), "x");
        const QString path = dir.filePath(QStringLiteral("file/a.css"));
        Encoding encoding = Encoding::Utf8;
        try {
            DocumentFile::write(path, {QStringLiteral("p")}, LineEnd::CrLf, encoding);
            QFAIL("no error");
        } catch (const AppError &e) {
            QCOMPARE(e.text(), QStringLiteral("Datei %1 kann nicht erstellt werden").arg(path));
        }
    }

    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.css"));
        writeFile(path, "old\r\n");
        const QStringList longText(200, QStringLiteral("p { color: red; }"));
        Encoding encoding = Encoding::Utf8;
        {
            FileSizeLimit limit(64);
            QVERIFY_THROWS_EXCEPTION(AppError, DocumentFile::write(path, longText, LineEnd::CrLf, encoding));
        }
        QCOMPARE(readFile(path), QByteArray("old\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.css")}); // no leftovers
    }

    void textBeyondWindows1252IsSavedAsUtf8()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.css"));
        Encoding encoding = Encoding::Windows1252;
        DocumentFile::write(path, {QString::fromUtf8("ä → b")}, LineEnd::Lf, encoding);
        QCOMPARE(encoding, Encoding::Utf8);
        QCOMPARE(readFile(path), QByteArray("\xc3\xa4 \xe2\x86\x92 b\n"));
    }
};

QTEST_APPLESS_MAIN(TestDocumentFile)
#include "tst_document_file.moc"
