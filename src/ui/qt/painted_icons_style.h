#pragma once

#include <QProxyStyle>

namespace payvanta::ui::qt {

// The system's style, with the images it reads from Qt's image files as the program's
// windows are built and first painted drawn here instead. Reading an image file has Qt
// load every image-format plug-in it finds (gif, ico, jpeg ...), to ask each whether it
// reads the file, before it takes its own PNG reader: a menu bar asks for its overflow
// arrow as it is made, and Qt's Fusion style paints a group box's frame from an image.
// Under Fusion it also draws group box frames itself and paints long scroll bars on images,
// so that painting them starts no threads.
class PaintedIconsStyle final : public QProxyStyle {
    Q_OBJECT

public:
    PaintedIconsStyle() = default;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};

} // namespace payvanta::ui::qt
