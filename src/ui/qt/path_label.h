#pragma once

#include <QLabel>

namespace payvanta::ui::qt {

// A label for a full path: text() keeps the whole path, the label shows it shortened in the
// middle where it does not fit, and the tool tip shows it whole. A long path would otherwise
// widen the dialog beyond the screen, since a path has no spaces to wrap at.
class PathLabel : public QLabel {
    Q_OBJECT

public:
    explicit PathLabel(QWidget* parent = nullptr);

    void setPath(const QString& path);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace payvanta::ui::qt
