#include "apps/tarnwickdiff/DiffPane.h"

#include "apps/tarnwickdiff/DiffColours.h"
#include "apps/tarnwickdiff/DiffView.h"
#include "apps/tarnwickdiff/DisplayLine.h"
#include "apps/tarnwickdiff/core/DiffDocument.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarnwickdiff {

namespace {

constexpr int kGutterPadding = 8;
constexpr int kMarkStrip = 3;
constexpr int kTextMargin = 6;

int Digits(std::size_t n)
{
    int digits = 1;
    for (; n >= 10; n /= 10)
        ++digits;
    return digits;
}

} // namespace

CDiffPane::CDiffPane(CDiffView& view, Side side, QWidget* parent)
    : QWidget(parent), m_view(view), m_side(side)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::IBeamCursor);
}

int CDiffPane::GutterWidth() const
{
    const CDiffDocument* document = m_view.Document();
    std::size_t lines = 0;
    if (document)
        lines = m_side == Side::Left ? document->Left().LineCount() : document->Right().LineCount();
    const int digitWidth = fontMetrics().horizontalAdvance(QLatin1Char('9'));
    return std::max(Digits(lines), 3) * digitWidth + 2 * kGutterPadding + kMarkStrip;
}

void CDiffPane::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const CDiffDocument* document = m_view.Document();
    const int gutter = GutterWidth();
    painter.fillRect(QRect(0, 0, gutter, height()), colours::Gutter());
    painter.setPen(colours::Separator());
    painter.drawLine(gutter - 1, 0, gutter - 1, height());
    if (!document)
        return;

    const bool left = m_side == Side::Left;
    const CDiffText& text = left ? document->Left() : document->Right();
    const CSideBySide& layout = document->Layout();
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = m_view.LineHeight();
    const int ascent = metrics.ascent() + (lineHeight - metrics.height()) / 2;
    const int xOffset = m_view.XOffset();
    const int textLeft = gutter + kTextMargin - xOffset;
    const QRect textArea(gutter, 0, width() - gutter, height());
    const QBrush hatch(colours::FillerHatch(), Qt::BDiagPattern);

    const std::size_t first = m_view.FirstRow();
    const std::size_t last = std::min(layout.RowCount(), first + m_view.VisibleRows() + 1);
    for (std::size_t index = first; index < last; ++index) {
        const DiffRow row = layout.Row(index);
        const int y = static_cast<int>(index - first) * lineHeight;
        const int line = left ? row.left : row.right;
        const QRect band(gutter, y, width() - gutter, lineHeight);
        if (line < 0) {
            painter.fillRect(band, colours::Filler());
            painter.fillRect(band, hatch);
            continue;
        }
        QColor background = Qt::white, mark;
        if (row.kind == RowKind::Changed) {
            background = colours::ChangedLine();
            mark = colours::ChangedMark();
        } else if (row.kind == RowKind::Removed) {
            background = colours::RemovedLine();
            mark = colours::RemovedMark();
        } else if (row.kind == RowKind::Added) {
            background = colours::AddedLine();
            mark = colours::AddedMark();
        }
        if (row.kind != RowKind::Equal) {
            painter.fillRect(band, background);
            painter.fillRect(QRect(gutter - kMarkStrip, y, kMarkStrip, lineHeight), mark);
        }

        painter.setPen(colours::GutterText());
        painter.drawText(QRect(0, y, gutter - kMarkStrip - kGutterPadding, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(line + 1));

        static const std::vector<ByteRange> kNoMarks;
        const InlineChanges* changes =
            row.kind == RowKind::Changed ? &document->InlineAt(index) : nullptr;
        const CDisplayLine display(text.Line(line),
                                   changes ? (left ? changes->left : changes->right) : kNoMarks);
        painter.save();
        painter.setClipRect(textArea);
        for (const auto& [begin, end] : display.Marks()) {
            const int x = textLeft + metrics.horizontalAdvance(display.Text().left(begin));
            const int w = metrics.horizontalAdvance(display.Text().mid(begin, end - begin));
            painter.fillRect(QRect(x, y + 1, w, lineHeight - 2), colours::ChangedWords());
        }
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(textLeft, y + ascent, display.Text());
        if (display.Omitted() > 0) {
            painter.setPen(colours::GutterText());
            painter.drawText(textLeft + metrics.horizontalAdvance(display.Text()) + kTextMargin, y + ascent,
                             display.Omitted() == 1 ? tr("\u2026 1 more character")
                                                    : tr("\u2026 %1 more characters").arg(display.Omitted()));
        }
        painter.restore();
    }

    // The current change is framed across both panes, so the eye finds it.
    const int current = m_view.CurrentBlock();
    if (current >= 0) {
        const ChangeBlock& block = document->Layout().Blocks()[current];
        const int top = (static_cast<int>(block.firstRow) - static_cast<int>(first)) * lineHeight;
        const int bottom = top + static_cast<int>(block.rowCount) * lineHeight - 1;
        painter.setPen(QPen(colours::Current(), 1));
        painter.drawLine(0, top, width(), top);
        painter.drawLine(0, bottom, width(), bottom);
        painter.fillRect(QRect(gutter - kMarkStrip, top, kMarkStrip, bottom - top + 1), colours::Current());
    }
    emit Painted();
}

void CDiffPane::mousePressEvent(QMouseEvent* event)
{
    const int row = static_cast<int>(m_view.FirstRow()) + static_cast<int>(event->position().y()) / m_view.LineHeight();
    emit RowClicked(row);
    QWidget::mousePressEvent(event);
}

} // namespace tarnwickdiff
