// The Help menu and the about box on the real main window.

#include "MainWindowFixture.h"
#include "app/ProductInfo.h"
#include "app/SharedRoutines.h"
#include "help_about/AboutDialog.h"
#include "help_about/HoverLink.h"

#include <QEnterEvent>

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->open();
    }
    void cleanup() { f.reset(); }

    void helpFileOpensOrIsMissing()
    {
        f->action("actionHelp")->trigger();
        QCOMPARE(f->dialogs.askedTexts(), QStringList{UiTexts::stored(UiText::HelpMissing)});
        QCOMPARE(f->dialogs.asked[0].kind, BoxKind::Information);
        QVERIFY(f->dialogs.opened.isEmpty());
        f->put(QStringLiteral("Hilfe.html"), "<html></html>");
        f->action("actionHelp")->trigger();
        QCOMPARE(f->dialogs.opened, QList<QUrl>{QUrl::fromLocalFile(f->path(QStringLiteral("Hilfe.html")))});
        QCOMPARE(f->dialogs.asked.size(), 1);
    }

    void webLinks_data()
    {
        QTest::addColumn<bool>("online");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("opened");
        QTest::newRow("online") << true << Answer::No << true;
        QTest::newRow("offline, Yes") << false << Answer::Yes << true;
        QTest::newRow("offline, No") << false << Answer::No << false;
        QTest::newRow("offline, Cancel") << false << Answer::Cancel << false;
    }
    void webLinks()
    {
        QFETCH(bool, online);
        QFETCH(Answer, answer);
        QFETCH(bool, opened);
        f->dialogs.online = online;
        f->dialogs.answers << answer;
        f->action("actionLink8")->trigger();
        QCOMPARE(f->dialogs.opened.size(), opened ? 1 : 0);
        if (opened)
            QCOMPARE(f->dialogs.opened[0], QUrl(QString::fromLatin1(kWebLinks[7])));
        QCOMPARE(f->dialogs.asked.size(), online ? 0 : 1);
        if (!online) {
            QCOMPARE(f->dialogs.asked[0].kind, BoxKind::Error);
            QCOMPARE(f->dialogs.asked[0].buttons, Buttons::YesNoCancel);
            QCOMPARE(f->dialogs.asked[0].text, UiTexts::stored(UiText::OfflineQuestion));
        }
    }

    void aboutBox()
    {
        AboutDialog &box = f->window->aboutBox();
        QCOMPARE(box.windowTitle(), QStringLiteral("Info"));
        QCOMPARE(box.size(), QSize(346, 269));
        QCOMPARE(box.findChild<QLabel *>(QStringLiteral("versionLabel"))->text(),
                 QStringLiteral("Version ") + versionString());
        QCOMPARE(box.findChild<QLabel *>(QStringLiteral("creditLabel"))->text(), UiTexts::stored(UiText::AboutCredit));
        box.show();
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(box.findChild<HoverLink *>(QStringLiteral("contactLink")), &enter);
        QVERIFY(box.findChild<HoverLink *>(QStringLiteral("contactLink"))->hovered());
        QVERIFY(box.findChild<HoverLink *>(QStringLiteral("contactLink"))->font().underline());
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(box.findChild<HoverLink *>(QStringLiteral("contactLink")), &leave);
        QCoreApplication::sendEvent(box.findChild<HoverLink *>(QStringLiteral("homePageLink")), &enter);
        QVERIFY(!box.findChild<HoverLink *>(QStringLiteral("contactLink"))->hovered());
        QVERIFY(box.findChild<HoverLink *>(QStringLiteral("homePageLink"))->hovered());
        QTest::mouseClick(box.findChild<HoverLink *>(QStringLiteral("contactLink")), Qt::LeftButton);
        QTest::mouseClick(box.findChild<HoverLink *>(QStringLiteral("homePageLink")), Qt::LeftButton);
        QCOMPARE(f->dialogs.opened.size(), 2);
        QCOMPARE(f->dialogs.opened[0].scheme(), QStringLiteral("mailto"));
        QCOMPARE(f->dialogs.opened[1], QUrl(QString::fromLatin1(kHomePageAddress)));
        QVERIFY(f->dialogs.asked.isEmpty()); // no connection question for the box's own links
    }

private:
    std::unique_ptr<MainWindowFixture> f;
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
