#include "support/modal_dialogs.h"
#include "support/qt_test_main.h"
#include "ui/qt/splash_form.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

using payvanta::test::ModalWatchdog;
using payvanta::ui::qt::SplashForm;

namespace {

// Long enough for several ticks of the splash timer.
constexpr int kSeveralTicksMs = 400;

} // namespace

class SplashFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void the_form_shows_its_caption_and_label();
    void it_gives_way_once_seven_seconds_have_passed_data();
    void it_gives_way_once_seven_seconds_have_passed();
    void a_double_click_gives_way_at_once_and_the_timer_does_not_do_it_again();
    void closing_the_form_by_hand_gives_way_like_a_double_click();

private:
    SplashForm* makeSplash(QTime shownAt);

    QTime now_;
    std::unique_ptr<SplashForm> splash_;
    std::unique_ptr<ModalWatchdog> watchdog_;
};

void SplashFormTest::init() {
    watchdog_ = std::make_unique<ModalWatchdog>();
}

void SplashFormTest::cleanup() {
    splash_.reset();
    const QStringList strays = watchdog_->takeStrays();
    QVERIFY2(strays.isEmpty(), qPrintable(strays.join(QLatin1Char('\n'))));
}

SplashForm* SplashFormTest::makeSplash(QTime shownAt) {
    now_ = shownAt;
    splash_ = std::make_unique<SplashForm>([this] { return now_; });
    splash_->show();
    return splash_.get();
}

void SplashFormTest::the_form_shows_its_caption_and_label() {
    SplashForm* splash = makeSplash(QTime(10, 0, 0));
    QCOMPARE(splash->objectName(), QStringLiteral("Splash"));
    QCOMPARE(splash->windowTitle(), QStringLiteral("Corvanix Payvanta"));
    const QList<QLabel*> labels = splash->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first()->text(), QStringLiteral("Payvanta"));
    QVERIFY(labels.first()->font().pointSizeF() > splash->font().pointSizeF());
}

void SplashFormTest::it_gives_way_once_seven_seconds_have_passed_data() {
    QTest::addColumn<QTime>("shownAt");
    QTest::addColumn<QTime>("sixSecondsLater");
    QTest::addColumn<QTime>("sevenSecondsLater");
    QTest::addColumn<int>("startMark");
    QTest::newRow("within the hour") << QTime(10, 0, 0) << QTime(10, 0, 6) << QTime(10, 0, 7) << 0;
    QTest::newRow("across the minute")
        << QTime(10, 12, 55) << QTime(10, 13, 1) << QTime(10, 13, 2) << 12 * 60 + 55;
    QTest::newRow("across the hour at 59:58")
        << QTime(10, 59, 58) << QTime(11, 0, 4) << QTime(11, 0, 5) << 3598;
    QTest::newRow("across midnight")
        << QTime(23, 59, 59) << QTime(0, 0, 5) << QTime(0, 0, 6) << 3599;
}

void SplashFormTest::it_gives_way_once_seven_seconds_have_passed() {
    QFETCH(QTime, shownAt);
    QFETCH(QTime, sixSecondsLater);
    QFETCH(QTime, sevenSecondsLater);
    QFETCH(int, startMark);
    SplashForm* splash = makeSplash(shownAt);
    QSignalSpy finished(splash, &SplashForm::finished);
    QCOMPARE(splash->startMark(), startMark);

    now_ = sixSecondsLater;
    QVERIFY(!finished.wait(kSeveralTicksMs));
    QVERIFY(splash->isVisible());

    now_ = sevenSecondsLater;
    QVERIFY(finished.wait());
    QCOMPARE(finished.count(), 1);
    QVERIFY(!splash->isVisible());
}

void SplashFormTest::a_double_click_gives_way_at_once_and_the_timer_does_not_do_it_again() {
    SplashForm* splash = makeSplash(QTime(10, 59, 58));
    QSignalSpy finished(splash, &SplashForm::finished);
    now_ = QTime(10, 59, 59);

    // On the label, where a user would aim.
    QTest::mouseDClick(splash->findChild<QLabel*>(), Qt::LeftButton);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!splash->isVisible());

    now_ = QTime(11, 0, 10);
    QVERIFY(!finished.wait(kSeveralTicksMs));
    QTest::mouseDClick(splash, Qt::LeftButton);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!splash->findChild<QTimer*>(QStringLiteral("splashTimer"))->isActive());
}

void SplashFormTest::closing_the_form_by_hand_gives_way_like_a_double_click() {
    SplashForm* splash = makeSplash(QTime(10, 0, 0));
    QSignalSpy finished(splash, &SplashForm::finished);
    splash->close();
    QCOMPARE(finished.count(), 1);
    QVERIFY(splash->hasGivenWay());
}

PAYVANTA_QTEST_MAIN(SplashFormTest)
#include "splash_form_test.moc"
