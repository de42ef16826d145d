#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>

// A patch that shows one colour over its whole area; it holds the colour as
// the settings keep it (0x00BBGGRR).
class ColorSwatch : public QWidget {
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    std::uint32_t colorRef() const { return colorRef_; }
    QColor colour() const;
    void setColorRef(std::uint32_t colorRef);
    void setColour(const QColor& colour);

    QSize sizeHint() const override { return {30, 25}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t colorRef_ = 0;
};
