#pragma once

#include "html/CodeHelperList.h"

#include <QFrame>

// The CodeHelper pop-up: a bordered child of the editor's text area that
// draws a CodeHelperList, the selection in white on blue. It never takes
// the keyboard focus, so typing goes on in the editor while it shows. A
// click selects an entry, a double click chooses it.
class ListWindow : public QFrame {
    Q_OBJECT

public:
    static constexpr int Width = 200;

    explicit ListWindow(QWidget* parent);

    CodeHelperList& entries() { return list_; }
    const CodeHelperList& entries() const { return list_; }

    // After the entries changed: shows the selection's info and repaints.
    void selectionChanged();
    bool SelectNext();
    bool SelectPrevious();
    std::string GetSelectedEntryText() const { return list_.GetSelectedEntryText(); }

    // Puts the top-left corner at (x, y), Width wide and Rows lines high.
    // Where that would pass the bottom of the parent, the window goes above
    // the line whose height is lineAbove instead; where it would pass the
    // right edge, it moves left.
    void MoveBelow(int x, int y, int lineAbove);

    int rowHeight() const;
    // The entry drawn at a point of the window; -1 where none is.
    int entryAt(QPoint point) const;

signals:
    // The selected entry's description, for the status bar.
    void infoChanged(const QString& info);
    // An entry was double-clicked.
    void entryChosen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    CodeHelperList list_;
};
