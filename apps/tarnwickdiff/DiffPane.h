#pragma once
// One side of the comparison: line numbers in a gutter and the side's lines,
// coloured by what happened to them. Only the rows on screen are painted, so a
// file of any length costs the same per frame.
#include <QWidget>

namespace tarnwickdiff {

class CDiffView;

class CDiffPane : public QWidget {
    Q_OBJECT
public:
    enum class Side { Left, Right };

    CDiffPane(CDiffView& view, Side side, QWidget* parent = nullptr);

    Side GetSide() const { return m_side; }
    // Width of the line-number gutter for the current document.
    int GutterWidth() const;

signals:
    void Painted();
    void RowClicked(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CDiffView& m_view;
    Side m_side;
};

} // namespace tarnwickdiff
