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
        QCOMPARE(d.format.encoding, Encoding::Windows1252);
        QCOMPARE(d.format.lineEnd, LineEnd::Cr);
        QFile::remove(path);
        QVERIFY(DocumentFile::write(path, d.lines, d.format));
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
        try {
            DocumentFile::write(path, {QStringLiteral("p")}, Format{});
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
        {
            FileSizeLimit limit(64);
            QVERIFY_THROWS_EXCEPTION(AppError, DocumentFile::write(path, longText, Format{}));
        }
        QCOMPARE(readFile(path), QByteArray("old\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.css")}); // no leftovers
    }

    // Text that not even UTF-8 can hold leaves the file as it was.
    void unencodableTextIsNotWritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.css"));
        writeFile(path, "old\n");
        QVERIFY(!DocumentFile::write(path, {QStringLiteral("p") + QChar(0xDC00)}, Format{}));
        QCOMPARE(readFile(path), QByteArray("old\n"));
    }

    // Changing a file's encoding is the user's decision: nothing is written.
    void textBeyondWindows1252IsNotWritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.css"));
        writeFile(path, "old\n");
        const Format windows1252{LineEnd::Lf, Encoding::Windows1252};
        QVERIFY(!DocumentFile::write(path, {QString::fromUtf8("ä → b")}, windows1252));
        QCOMPARE(readFile(path), QByteArray("old\n"));
        QVERIFY(DocumentFile::write(path, {QString::fromUtf8("ä € b")}, windows1252));
        QCOMPARE(readFile(path), QByteArray("\xe4 \x80 b\n"));
    }
};

QTEST_APPLESS_MAIN(TestDocumentFile)
#include "tst_document_file.moc"
