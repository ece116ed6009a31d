#include "apps/tarnwickdiff/LocationBar.h"

#include "apps/tarnwickdiff/DiffColours.h"
#include "apps/tarnwickdiff/DiffView.h"
#include "apps/tarnwickdiff/core/DiffDocument.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarnwickdiff {

namespace {
constexpr int kMargin = 2;
}

CLocationBar::CLocationBar(CDiffView& view, QWidget* parent) : QWidget(parent), m_view(view)
{
    setFixedWidth(18);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Changes in the whole file; click to go there"));
}

QSize CLocationBar::sizeHint() const
{
    return {18, 100};
}

void CLocationBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), colours::Gutter());
    painter.setPen(colours::Separator());
    painter.drawLine(width() - 1, 0, width() - 1, height());
    const CDiffDocument* document = m_view.Document();
    if (!document || document->Layout().RowCount() == 0)
        return;
    const double rows = static_cast<double>(document->Layout().RowCount());
    const double scale = (height() - 2 * kMargin) / rows;
    const int top = kMargin + static_cast<int>(m_view.FirstRow() * scale);
    const int visible = std::max(4, static_cast<int>(m_view.VisibleRows() * scale));
    const QRect shown(0, top, width() - 1, std::min(visible, height() - top));
    QColor shade = colours::Current();
    shade.setAlpha(28);
    painter.fillRect(shown, shade);

    const int half = (width() - 1 - 2 * kMargin) / 2;
    const auto& blocks = document->Layout().Blocks();
    const auto bandOf = [&](const ChangeBlock& block) {
        return std::make_pair(kMargin + static_cast<int>(block.firstRow * scale),
                              std::max(2, static_cast<int>(block.rowCount * scale)));
    };
    int lastY = -1;
    for (const ChangeBlock& block : blocks) {
        const auto [y, h] = bandOf(block);
        // Thousands of changes share a few hundred pixels: each pixel row once.
        if (y == lastY && h <= 2)
            continue;
        lastY = y;
        const QColor colour = block.leftLines == 0   ? colours::AddedMark()
                              : block.rightLines == 0 ? colours::RemovedMark()
                                                      : colours::ChangedMark();
        if (block.leftLines)
            painter.fillRect(QRect(kMargin, y, half, h), colour);
        if (block.rightLines)
            painter.fillRect(QRect(kMargin + half + 1, y, half, h), colour);
    }
    const int current = m_view.CurrentBlock();
    if (current >= 0) {
        const auto [y, h] = bandOf(blocks[current]);
        painter.setPen(QPen(colours::Current(), 2));
        painter.drawRect(QRect(1, y - 1, width() - 4, h + 1));
    }
    QColor frame = colours::Current();
    frame.setAlpha(110);
    painter.setPen(frame);
    painter.drawRect(shown.adjusted(0, 0, -1, -1));
}

int CLocationBar::RowAt(int y) const
{
    const CDiffDocument* document = m_view.Document();
    if (!document)
        return 0;
    const double rows = static_cast<double>(document->Layout().RowCount());
    const double fraction = std::clamp((y - kMargin) / double(std::max(1, height() - 2 * kMargin)), 0.0, 1.0);
    return static_cast<int>(fraction * rows);
}

void CLocationBar::mousePressEvent(QMouseEvent* event)
{
    emit RowChosen(RowAt(static_cast<int>(event->position().y())));
}

void CLocationBar::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        emit RowChosen(RowAt(static_cast<int>(event->position().y())));
}

} // namespace tarnwickdiff
