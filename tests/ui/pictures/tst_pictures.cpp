#include "pictures/Pictures.h"

#include <QApplication>
#include <QTest>

// The pictures are files compiled into the library: a name without its files, or
// resources that were not linked in, would show as an empty space.
class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void namedPictures_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"new",      "open",      "save",         "saveas",      "close",      "settings",
                                 "print",    "exit",      "undo",         "redo",        "cut",        "copy",
                                 "paste",    "delete",    "selectall",    "search",      "searchnext", "searchprevious",
                                 "replace",  "german",    "english",      "help",        "info",       "homepage",
                                 "link",     "assistant", "specialchars", "linenumbers", "grouptree",  "treeplus",
                                 "autosort", "comment"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void namedPictures()
    {
        QFETCH(QString, name);
        const QIcon icon = Pictures::icon(name);
        QVERIFY(!icon.isNull());
        QVERIFY(!icon.pixmap(16, 16).isNull());
        QVERIFY(!icon.pixmap(32, 32).isNull());
    }

    void unknownNameHasNoPicture() { QVERIFY(Pictures::icon(QStringLiteral("no-such-picture")).isNull()); }

    void analysisPictures()
    {
        for (int i = 0; i <= int(Pictures::AnalysisPicture::NotAnalysed); ++i)
            QVERIFY2(!Pictures::analysisPicture(Pictures::AnalysisPicture(i)).pixmap(16, 16).isNull(),
                     qPrintable(QString::number(i)));
        QVERIFY(Pictures::statusPicture(ParserStatus::Error).pixmap(16, 16).toImage()
                != Pictures::statusPicture(ParserStatus::NoError).pixmap(16, 16).toImage());
    }

    void splashKeepsItsSize()
    {
        const QPixmap splash = Pictures::splash();
        QCOMPARE(splash.deviceIndependentSize().toSize(), QSize(345, 90));
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
