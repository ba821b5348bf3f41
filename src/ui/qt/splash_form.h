#pragma once

#include <QTime>
#include <QWidget>
#include <chrono>
#include <functional>

class QTimer;

namespace payvanta::ui::qt {

// The start-up form "Splash": shown for seven seconds, or until it is double-clicked, then it
// gives way to the main form, exactly once.
class SplashForm : public QWidget {
    Q_OBJECT

public:
    using Clock = std::function<QTime()>;

    static constexpr int kShownSeconds = 7;
    static constexpr std::chrono::milliseconds kTickInterval{100};

    // The form loads here: the start mark is taken and the timer starts.
    explicit SplashForm(Clock clock = &QTime::currentTime, QWidget* parent = nullptr);

    // Minute of the hour * 60 + second of the minute when the form loaded.
    int startMark() const { return startMark_; }
    bool hasGivenWay() const { return givenWay_; }

public slots:
    // Emits finished() and closes the form; later calls do nothing. Do not delete the form in
    // a slot of finished(): give it Qt::WA_DeleteOnClose or use deleteLater().
    void giveWay();

signals:
    void finished();

protected:
    void showEvent(QShowEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Closing the splash by hand skips it, like a double click.
    void closeEvent(QCloseEvent* event) override;

private:
    void tick();

    Clock clock_;
    QTimer* timer_;
    int startMark_;
    bool givenWay_ = false;
    bool centred_ = false;
};

} // namespace payvanta::ui::qt
