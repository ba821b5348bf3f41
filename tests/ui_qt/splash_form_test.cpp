#include "support/qt_test_main.h"
#include "ui/qt/splash_form.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using payvanta::ui::qt::SplashForm;

class SplashFormTest : public QObject {
    Q_OBJECT

private slots:
    void the_form_shows_its_caption_and_label() {
        SplashForm splash([this] { return now_; });
        QCOMPARE(splash.objectName(), QStringLiteral("Splash"));
        QCOMPARE(splash.windowTitle(), QStringLiteral("Corvanix Payvanta"));
        const QList<QLabel*> labels = splash.findChildren<QLabel*>();
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first()->text(), QStringLiteral("Payvanta"));
        QVERIFY(labels.first()->font().pointSizeF() > splash.font().pointSizeF());
    }

    void it_gives_way_once_seven_seconds_have_passed_data() {
        QTest::addColumn<QTime>("shownAt");
        QTest::addColumn<int>("startMark");
        QTest::newRow("within the hour") << QTime(10, 0, 0) << 0;
        QTest::newRow("across the minute") << QTime(10, 12, 55) << 12 * 60 + 55;
        QTest::newRow("across the hour at 59:58") << QTime(10, 59, 58) << 3598;
        QTest::newRow("across midnight") << QTime(23, 59, 59) << 3599;
    }

    void it_gives_way_once_seven_seconds_have_passed() {
        QFETCH(QTime, shownAt);
        QFETCH(int, startMark);
        now_ = shownAt;
        SplashForm splash([this] { return now_; });
        splash.show();
        QSignalSpy finished(&splash, &SplashForm::finished);
        QCOMPARE(splash.startMark(), startMark);
        QVERIFY(splash.findChild<QTimer*>(QStringLiteral("splashTimer"))->isActive());

        now_ = shownAt.addSecs(6);
        tick(splash);
        QCOMPARE(finished.count(), 0);
        QVERIFY(splash.isVisible());
        now_ = shownAt.addSecs(7);
        tick(splash);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!splash.isVisible());
    }

    void a_double_click_or_closing_it_gives_way_at_once_and_only_once() {
        now_ = QTime(10, 59, 58);
        SplashForm splash([this] { return now_; });
        splash.show();
        QSignalSpy finished(&splash, &SplashForm::finished);
        // On the label, where a user would aim.
        QTest::mouseDClick(splash.findChild<QLabel*>(), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.findChild<QTimer*>(QStringLiteral("splashTimer"))->isActive());
        now_ = QTime(11, 0, 10);
        tick(splash);
        QTest::mouseDClick(&splash, Qt::LeftButton);
        QCOMPARE(finished.count(), 1);

        SplashForm closed([this] { return now_; });
        QSignalSpy closedFinished(&closed, &SplashForm::finished);
        closed.show();
        closed.close(); // by hand: like a double click
        QCOMPARE(closedFinished.count(), 1);
        QVERIFY(closed.hasGivenWay());
    }

private:
    // One tick of the splash's own timer, without waiting for it.
    static void tick(SplashForm& splash) {
        QVERIFY(QMetaObject::invokeMethod(splash.findChild<QTimer*>(QStringLiteral("splashTimer")),
                                          "timeout"));
    }

    QTime now_;
};

PAYVANTA_QTEST_MAIN(SplashFormTest)
#include "splash_form_test.moc"
