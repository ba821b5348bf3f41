#include "job_painter.h"

#include "page_painter.h"

#include <QPagedPaintDevice>

namespace payvanta::reports::qt {

std::optional<JobPainter::Failure> JobPainter::paint(const PrintPage& page, double twipsPerUnit) {
    if (!started_) {
        if (!painter_.begin(&device_)) {
            return Failure::Begin;
        }
        started_ = true;
    } else if (!device_.newPage()) {
        return Failure::NewPage;
    }
    paintPage(painter_, page, twipsPerUnit);
    return std::nullopt;
}

} // namespace payvanta::reports::qt
