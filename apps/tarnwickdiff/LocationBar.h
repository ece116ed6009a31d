#pragma once
// The whole comparison at a glance beside the panes: every change as a mark
// at its place in the file (left half for the first file, right half for the
// second) and a frame for the rows on screen. A click scrolls there.
#include <QWidget>

namespace tarnwickdiff {

class CDiffView;

class CLocationBar : public QWidget {
    Q_OBJECT
public:
    explicit CLocationBar(CDiffView& view, QWidget* parent = nullptr);
    QSize sizeHint() const override;

signals:
    // The row at the clicked height, to be centred.
    void RowChosen(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int RowAt(int y) const;

    CDiffView& m_view;
};

} // namespace tarnwickdiff
