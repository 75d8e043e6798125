#include "i18n/UiTexts.h"

#include <QTest>

class TestUiTexts : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("German") << UiTexts::German << 450
                                << QString::fromUtf8(
                                       "Sie haben Veränderungen vorgenommen. Wollen Sie diese speichern?");
        QTest::newRow("English") << UiTexts::English << 451
                                 << QStringLiteral("The file was changed! Do you want to save changes?");
        QTest::newRow("table spelling differs from the design caption")
            << UiTexts::German << 6 << QString::fromUtf8("Schließen");
        QTest::newRow("unknown id is empty") << UiTexts::German << 19 << QString();
        QTest::newRow("unknown English id is empty") << UiTexts::English << 701 << QString();
    }
    void lookup()
    {
        QFETCH(int, offset);
        QFETCH(int, id);
        QFETCH(QString, text);
        UiTexts texts;
        texts.setOffset(offset);
        QCOMPARE(texts.text(UiText(id)), text);
    }

    void everyGermanTextHasAnEnglishOne()
    {
        for (int id = 1; id < 1000; ++id)
            QCOMPARE(UiTexts::stored(id).isEmpty(), UiTexts::stored(id + UiTexts::English).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestUiTexts)
#include "tst_ui_texts.moc"
