#include "ui/qt/splash_form.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace payvanta::ui::qt {

namespace {

constexpr int kSecondsPerHour = 3600;

int markOf(QTime time) {
    return time.minute() * 60 + time.second();
}

QLabel* makeProductLabel(QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("Payvanta"), parent);
    label->setObjectName(QStringLiteral("lblPayvanta"));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * 3);
    } else {
        font.setPixelSize(font.pixelSize() * 3);
    }
    font.setBold(true);
    label->setFont(font);
    // A double click anywhere on the form skips it, the label included.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// Seconds from a start mark to a time, counted within one hour: a splash shown at 59:58
// has been up 7 seconds at 00:05 of the next hour.
int secondsSinceMark(int startMark, QTime now) {
    return ((markOf(now) - startMark) % kSecondsPerHour + kSecondsPerHour) % kSecondsPerHour;
}

} // namespace

SplashForm::SplashForm(Clock clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      clock_(std::move(clock)), timer_(new QTimer(this)), startMark_(markOf(clock_())) {
    setObjectName(QStringLiteral("Splash"));
    setWindowTitle(QStringLiteral("Corvanix Payvanta"));

    auto* label = makeProductLabel(this);
    const int em = label->fontMetrics().height();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2 * em, em, 2 * em, em);
    layout->addWidget(label);
    setMinimumSize(layout->sizeHint().width() * 3 / 2, layout->sizeHint().height() * 2);
    resize(minimumSize());

    timer_->setObjectName(QStringLiteral("splashTimer"));
    timer_->setInterval(kTickInterval);
    connect(timer_, &QTimer::timeout, this, &SplashForm::tick);
    timer_->start();
}

void SplashForm::tick() {
    if (secondsSinceMark(startMark_, clock_()) >= kShownSeconds) {
        giveWay();
    }
}

void SplashForm::giveWay() {
    if (givenWay_) {
        return;
    }
    givenWay_ = true;
    timer_->stop();
    emit finished();
    close();
}

void SplashForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!centred_ && screen() != nullptr) {
        centred_ = true;
        move(screen()->availableGeometry().center() - rect().center());
    }
}

void SplashForm::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    giveWay();
}

void SplashForm::closeEvent(QCloseEvent* event) {
    giveWay();
    event->accept();
}

} // namespace payvanta::ui::qt
