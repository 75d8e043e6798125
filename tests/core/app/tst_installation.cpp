// Portable and installed: where the program finds its data and keeps the user's.

#include "TestFiles.h"
#include "app/Dialogs.h"
#include "app/Installation.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// Answers questions from a script and records them; nothing else is asked here.
class ScriptedDialogs : public Dialogs
{
public:
    struct Asked
    {
        QString text;
        Buttons buttons;
    };
    QList<Answer> answers;
    QList<Asked> asked;

    Answer message(BoxKind, const QString &text, Buttons buttons) override
    {
        asked.append({text, buttons});
        return answers.isEmpty() ? Answer::No : answers.takeFirst();
    }
    QString openStyleSheetFile() override { return {}; }
    QString saveStyleSheetFile() override { return {}; }
    QString openPictureFile() override { return {}; }
    bool editSearch(FindReplace::SearchState &, bool) override { return false; }
    FindReplace::ReplaceAnswer confirmReplace(const QString &, const QRect &, int, int, int) override { return {}; }
    bool setUpPrinter(QPrinter &) override { return false; }
    void openWithDesktop(const QUrl &) override { }
    bool isOnline() override { return true; }
};

// <root>/usr/bin/ with the shipped data in <root>/usr/share/stylograf/, read-only as a
// package installs it, and a user's home in <root>/home/.
struct Installed
{
    QTemporaryDir root;
    QString appDir = root.filePath(QStringLiteral("usr/bin/"));
    QString shared = root.filePath(QStringLiteral("usr/share/stylograf/"));
    QString dataHome = root.filePath(QStringLiteral("home/.local/share"));
    QString configHome = root.filePath(QStringLiteral("home/.config"));

    Installed()
    {
        QDir().mkpath(appDir);
        ship("inf/selektoren.inf", "a\r\nb\r\n");
        ship("inf/farben.inf", "red\r\n");
        ship("styledefs/styles.dat", "CSS Level 2\r\n");
        ship("Hilfe.html", "<html></html>");
    }
    void ship(const char *name, const QByteArray &bytes) const
    {
        const QString path = shared + QLatin1String(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile::remove(path);
        writeFile(path, bytes);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    AppPaths paths() const { return Installation::paths(appDir, dataHome, configHome); }
    QString user(const char *name) const { return dataHome + QStringLiteral("/stylograf/") + QLatin1String(name); }
};

// Every file below `dir` with its size and time of change.
QStringList snapshot(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        files << it.filePath() + QLatin1Char(' ') + QString::number(it.fileInfo().size()) + QLatin1Char(' ')
                + QString::number(it.fileInfo().lastModified().toMSecsSinceEpoch());
    }
    files.sort();
    return files;
}

} // namespace

class TestInstallation : public QObject
{
    Q_OBJECT

private slots:
    void modeFromTheProgramFolder_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("portable");
        QTest::newRow("data beside the program") << QStringList{"inf", "styledefs"} << false << true;
        QTest::newRow("no style definitions") << QStringList{"inf"} << false << false;
        QTest::newRow("no data (a bin folder)") << QStringList() << false << false;
        QTest::newRow("data in a read-only folder") << QStringList{"inf", "styledefs"} << true << false;
    }
    void modeFromTheProgramFolder()
    {
        QFETCH(QStringList, folders);
        QFETCH(bool, readOnly);
        QFETCH(bool, portable);
        if (readOnly && geteuid() == 0)
            QSKIP("root may write into any folder");
        QTemporaryDir dir;
        const QString appDir = dir.path() + QLatin1Char('/');
        for (const QString &folder : folders)
            QDir(appDir).mkpath(folder);
        if (readOnly)
            QFile::setPermissions(appDir, QFile::ReadOwner | QFile::ExeOwner);
        const AppPaths paths
            = Installation::paths(appDir, QStringLiteral("/home/u/.local/share"), QStringLiteral("/home/u/.config"));
        QFile::setPermissions(appDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(Installation::isPortable(appDir), portable);
        QCOMPARE(paths.appDir, appDir);
        if (portable) {
            QCOMPARE(paths.dataFolder(), appDir);
            QCOMPARE(paths.settingsFile(), appDir + QStringLiteral("einstellungen.ini"));
            QCOMPARE(paths.helpFolder(), appDir);
        } else {
            QCOMPARE(paths.dataFolder(), QStringLiteral("/home/u/.local/share/stylograf/"));
            QCOMPARE(paths.settingsFile(), QStringLiteral("/home/u/.config/stylograf/einstellungen.ini"));
            QCOMPARE(paths.helpFolder(), QDir::cleanPath(appDir + QStringLiteral("../share/stylograf")) + '/');
        }
    }

    void firstStartCopiesTheShippedData()
    {
        Installed installed;
        const QStringList shippedBefore = snapshot(installed.root.filePath(QStringLiteral("usr")));
        ScriptedDialogs dialogs;
        const AppPaths paths = installed.paths();
        Installation::prepareUserData(paths, dialogs);
        QVERIFY(dialogs.asked.isEmpty());
        QCOMPARE(readFile(installed.user("inf/selektoren.inf")), QByteArray("a\r\nb\r\n"));
        QCOMPARE(readFile(installed.user("inf/farben.inf")), QByteArray("red\r\n"));
        QCOMPARE(readFile(installed.user("styledefs/styles.dat")), QByteArray("CSS Level 2\r\n"));
        QVERIFY(QFileInfo(installed.user("inf/selektoren.inf")).isWritable() || geteuid() == 0);
        QVERIFY(QFileInfo(paths.settingsFile()).isFile());
        QCOMPARE(paths.settingsFile(), installed.configHome + QStringLiteral("/stylograf/einstellungen.ini"));
        // The user's copy is the user's: it may be written, the shipped data is not touched.
        writeFile(installed.user("inf/farben.inf"), "blue\r\n");
        QCOMPARE(readFile(installed.user("inf/farben.inf")), QByteArray("blue\r\n"));
        QCOMPARE(snapshot(installed.root.filePath(QStringLiteral("usr"))), shippedBefore);

        // The next start leaves everything as it is and asks nothing; a file the user
        // deleted comes back.
        writeFile(paths.settingsFile(), "[Editor]\r\n");
        QFile::remove(installed.user("styledefs/styles.dat"));
        Installation::prepareUserData(paths, dialogs);
        QVERIFY(dialogs.asked.isEmpty());
        QCOMPARE(readFile(installed.user("inf/farben.inf")), QByteArray("blue\r\n"));
        QCOMPARE(readFile(installed.user("styledefs/styles.dat")), QByteArray("CSS Level 2\r\n"));
        QCOMPARE(readFile(paths.settingsFile()), QByteArray("[Editor]\r\n"));
    }

    // An update ships other data: offered once; the user's own element list survives.
    void newShippedDataIsOfferedOnce_data()
    {
        QTest::addColumn<bool>("userEditedTheList");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QByteArray>("values"); // farben.inf afterwards
        QTest::addColumn<QByteArray>("list"); // selektoren.inf afterwards
        QTest::newRow("taken, list unchanged")
            << false << Answer::Yes << QByteArray("red\r\ngreen\r\n") << QByteArray("a\r\nb\r\nc\r\n");
        QTest::newRow("taken, list edited")
            << true << Answer::Yes << QByteArray("red\r\ngreen\r\n") << QByteArray("a\r\nb\r\nmine\r\n");
        QTest::newRow("declined") << true << Answer::No << QByteArray("red\r\n") << QByteArray("a\r\nb\r\nmine\r\n");
    }
    void newShippedDataIsOfferedOnce()
    {
        QFETCH(bool, userEditedTheList);
        QFETCH(Answer, answer);
        QFETCH(QByteArray, values);
        QFETCH(QByteArray, list);
        Installed installed;
        ScriptedDialogs dialogs;
        const AppPaths paths = installed.paths();
        Installation::prepareUserData(paths, dialogs);
        if (userEditedTheList)
            writeFile(installed.user("inf/selektoren.inf"), "a\r\nb\r\nmine\r\n");
        installed.ship("inf/farben.inf", "red\r\ngreen\r\n");
        installed.ship("inf/selektoren.inf", "a\r\nb\r\nc\r\n");

        dialogs.answers.append(answer);
        Installation::prepareUserData(paths, dialogs);
        QCOMPARE(dialogs.asked.size(), 1);
        QCOMPARE(dialogs.asked[0].buttons, Buttons::YesNo);
        QVERIFY(dialogs.asked[0].text.contains(paths.dataDir));
        QCOMPARE(readFile(installed.user("inf/farben.inf")), values);
        QCOMPARE(readFile(installed.user("inf/selektoren.inf")), list);

        Installation::prepareUserData(paths, dialogs);
        QCOMPARE(dialogs.asked.size(), 1);
    }

    void aFolderThatCannotBeMadeIsReported()
    {
        Installed installed;
        QDir().mkpath(installed.dataHome);
        writeFile(installed.dataHome + QStringLiteral("/stylograf"), "a file in the way");
        ScriptedDialogs dialogs;
        QVERIFY_THROWS_EXCEPTION(AppError, Installation::prepareUserData(installed.paths(), dialogs));
    }

    void portableProgramsAreLeftAlone()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("inf"));
        QDir(dir.path()).mkpath(QStringLiteral("styledefs"));
        const QStringList before = snapshot(dir.path());
        ScriptedDialogs dialogs;
        Installation::prepareUserData(
            Installation::paths(dir.path() + QLatin1Char('/'), dir.filePath("share"), dir.filePath("config")), dialogs);
        QCOMPARE(snapshot(dir.path()), before);
    }
};

QTEST_MAIN(TestInstallation)
#include "tst_installation.moc"
