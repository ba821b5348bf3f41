#pragma once

// Message boxes nobody sees, for the benchmarks that drive the window: each one counts,
// and none is expected.

#include "ui/qt/message_boxes.h"

#include <QString>
#include <optional>

namespace payvanta::bench {

class CountingBoxes final : public ui::qt::MessageBoxes {
public:
    int shown = 0;
    void message(QWidget*, const QString&) override { ++shown; }
    bool yesNo(QWidget*, const QString&) override {
        ++shown;
        return false;
    }
    std::optional<QString> input(QWidget*, const QString&) override {
        ++shown;
        return std::nullopt;
    }
};

} // namespace payvanta::bench
