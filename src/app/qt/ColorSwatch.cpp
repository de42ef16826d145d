#include "app/qt/ColorSwatch.h"

#include "editor/qt/EditorColourTable.h"

#include <QPainter>

ColorSwatch::ColorSwatch(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QColor ColorSwatch::colour() const {
    return EditorColourTable::fromColorRef(colorRef_);
}

void ColorSwatch::setColorRef(std::uint32_t colorRef) {
    colorRef_ = colorRef & 0xFFFFFF;
    update();
}

void ColorSwatch::setColour(const QColor& colour) {
    setColorRef(static_cast<std::uint32_t>(colour.red()) |
                static_cast<std::uint32_t>(colour.green()) << 8 |
                static_cast<std::uint32_t>(colour.blue()) << 16);
}

void ColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour());
}
