#pragma once

#include "reports/print_page.h"

#include <QPainter>
#include <optional>

class QPagedPaintDevice;

namespace payvanta::reports::qt {

// Paints the pages of one print job one after another on a paged device, a printer or a
// PDF writer: the painter begins on the device with the first page, and every later page
// starts a new sheet.
class JobPainter {
public:
    explicit JobPainter(QPagedPaintDevice& device) : device_(device) {}

    enum class Failure {
        Begin,   // the device would not start the job
        NewPage, // the device would not start another sheet
    };
    // Paints the page at this many twips a device unit. A page the painter could not begin
    // with leaves the job unstarted, and the next page tries again.
    std::optional<Failure> paint(const PrintPage& page, double twipsPerUnit);
    // Whether the job was started: a page has been painted on the device.
    bool started() const { return started_; }
    // Ends a started job; false when the device could not finish it.
    bool end() { return painter_.end(); }

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    bool started_ = false;
};

} // namespace payvanta::reports::qt
