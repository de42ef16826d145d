#pragma once

#include <QWidget>

class CMyEditBox;

// The line numbers left of an editor's text. It sits in the editor's left
// viewport margin, so the text area and every offset/point conversion of the
// editor stay as they are; it draws the numbers of the rows the editor shows
// and selects a whole line on a click.
class LineNumberGutter : public QWidget {
    Q_OBJECT

public:
    static constexpr int Padding = 6; // pixels each side of the numbers

    explicit LineNumberGutter(CMyEditBox& editor);

    // Wide enough for the editor's highest line number.
    int wantedWidth() const;
    // The line (from 0) whose row holds y, or -1 below the last line.
    int lineAt(int y) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CMyEditBox& editor_;
};
