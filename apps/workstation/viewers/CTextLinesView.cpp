#include "apps/workstation/viewers/CTextLinesView.h"

#include "apps/workstation/viewers/CMappedTextFile.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStringDecoder>

#include <algorithm>
#include <climits>

namespace workstation {

namespace {

// Past this a line is shown in part: drawing megabytes of one line would
// stall every repaint.
constexpr std::size_t kShownBytes = 64 * 1024;
constexpr int kTabWidth = 8;
constexpr int kTextPadding = 6;

bool IsUtf8(std::string_view bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}

// The shown part of a line, cut at a character boundary.
std::string_view ShownPart(std::string_view bytes)
{
    if (bytes.size() <= kShownBytes)
        return bytes;
    std::size_t n = kShownBytes;
    while (n > 0 && (static_cast<unsigned char>(bytes[n]) & 0xC0) == 0x80)
        --n;
    return bytes.substr(0, n);
}

QString Render(std::string_view bytes, bool latin1)
{
    const auto size = static_cast<qsizetype>(bytes.size());
    const QString text = latin1 ? QString::fromLatin1(bytes.data(), size) : QString::fromUtf8(bytes.data(), size);
    const bool plain = std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f);
    });
    if (plain)
        return text;
    QString out;
    out.reserve(text.size() + 16);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\t')
            out.append(QString(kTabWidth - out.size() % kTabWidth, QLatin1Char(' ')));
        else if (u < 0x20)
            out.append(QChar(char16_t(0x2400 + u)));   // the control pictures: ␛, ␍, ...
        else if (u == 0x7f)
            out.append(QChar(char16_t(0x2421)));
        else if (u >= 0x80 && u <= 0x9f)
            out.append(QChar(char16_t(0xFFFD)));
        else
            out.append(c);
    }
    return out;
}

// How many display columns the first byteCount bytes of a line take, decoded
// the way the whole line is.
int Columns(std::string_view line, std::size_t byteCount)
{
    const std::string_view shown = ShownPart(line);
    const bool latin1 = !IsUtf8(shown);
    return static_cast<int>(Render(shown.substr(0, std::min(byteCount, shown.size())), latin1).size());
}

} // namespace

QString CTextLinesView::DisplayText(std::string_view bytes)
{
    const std::string_view shown = ShownPart(bytes);
    QString text = Render(shown, !IsUtf8(shown));
    if (shown.size() < bytes.size())
        text += QStringLiteral("  \u2026 (a line of %1 bytes, shown in part)").arg(bytes.size());
    return text;
}

CTextLinesView::CTextLinesView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    setFrameShape(QFrame::NoFrame);
    UpdateMetrics();
}

void CTextLinesView::SetFile(const CMappedTextFile* file)
{
    m_file = file;
    m_current = m_anchor = 0;
    m_hasMatch = false;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    UpdateScrollBars();
    viewport()->update();
}

void CTextLinesView::UpdateMetrics()
{
    const QFontMetrics metrics(font());
    m_lineHeight = std::max(1, metrics.height() + 2);
    m_charWidth = std::max(1, metrics.horizontalAdvance(QLatin1Char('M')));
    m_ascent = metrics.ascent() + 1;
    UpdateScrollBars();
}

void CTextLinesView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        UpdateMetrics();
    QAbstractScrollArea::changeEvent(event);
}

int CTextLinesView::GutterWidth() const
{
    const std::size_t lines = m_file ? std::max<std::size_t>(m_file->LineCount(), 1) : 1;
    const int digits = std::max(4, static_cast<int>(std::to_string(lines).size()));
    return digits * m_charWidth + 2 * kTextPadding;
}

std::size_t CTextLinesView::FirstVisibleLine() const
{
    return static_cast<std::size_t>(verticalScrollBar()->value());
}

int CTextLinesView::VisibleLineCount() const
{
    return std::max(1, viewport()->height() / m_lineHeight);
}

void CTextLinesView::UpdateScrollBars()
{
    const std::size_t lines = m_file ? m_file->LineCount() : 0;
    const int visible = VisibleLineCount();
    verticalScrollBar()->setRange(0, static_cast<int>(std::min<std::size_t>(
                                         lines > static_cast<std::size_t>(visible) ? lines - visible : 0,
                                         static_cast<std::size_t>(INT_MAX))));
    verticalScrollBar()->setPageStep(visible);
    verticalScrollBar()->setSingleStep(1);

    const std::size_t longest = m_file ? std::min(m_file->LongestLine(), kShownBytes) : 0;
    const int textWidth = std::max(0, viewport()->width() - GutterWidth() - kTextPadding);
    const qint64 content = static_cast<qint64>(longest + kTabWidth) * m_charWidth;
    horizontalScrollBar()->setRange(0, static_cast<int>(std::max<qint64>(0, content - textWidth)));
    horizontalScrollBar()->setPageStep(std::max(1, textWidth));
    horizontalScrollBar()->setSingleStep(m_charWidth * 2);
}

void CTextLinesView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CTextLinesView::scrollContentsBy(int, int)
{
    viewport()->update();
}

std::size_t CTextLinesView::SelectionFirst() const
{
    return std::min(m_anchor, m_current);
}

std::size_t CTextLinesView::SelectionLast() const
{
    return std::max(m_anchor, m_current);
}

void CTextLinesView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const QRect area = viewport()->rect();
    const QPalette& pal = palette();
    painter.fillRect(area, pal.base());
    const int gutter = GutterWidth();
    painter.fillRect(QRect(0, 0, gutter, area.height()), pal.alternateBase());
    painter.setPen(pal.color(QPalette::Mid));
    painter.drawLine(gutter - 1, 0, gutter - 1, area.height());
    if (!m_file)
        return;
    if (!m_file->IsIntact()) {
        painter.setPen(pal.color(QPalette::Text));
        painter.drawText(QRect(gutter + kTextPadding, 0, area.width() - gutter - 2 * kTextPadding, area.height()),
                         Qt::AlignCenter | Qt::TextWordWrap,
                         tr("The file was made shorter on disk while it was shown here.\n"
                            "Close this window and open the file again to see it as it is now."));
        return;
    }

    const std::size_t first = FirstVisibleLine();
    const std::size_t end = std::min(m_file->LineCount(), first + VisibleLineCount() + 1);
    const int scrollX = horizontalScrollBar()->value();
    const int textX = gutter + kTextPadding - scrollX;
    const int firstColumn = std::max(0, scrollX / m_charWidth - 1);
    const int shownColumns = area.width() / m_charWidth + 3;
    QColor selection = pal.color(QPalette::Highlight);
    selection.setAlpha(hasFocus() ? 70 : 40);
    const QColor matchColor(255, 200, 60);
    const QRect textArea(gutter, 0, area.width() - gutter, area.height());
    QFont bold = font();
    bold.setBold(true);

    for (std::size_t line = first; line < end; ++line) {
        const int y = static_cast<int>(line - first) * m_lineHeight;
        const bool selected = line >= SelectionFirst() && line <= SelectionLast();
        if (selected)
            painter.fillRect(QRect(gutter, y, area.width() - gutter, m_lineHeight), selection);

        painter.setFont(line == m_current ? bold : font());
        painter.setPen(pal.color(line == m_current ? QPalette::Text : QPalette::PlaceholderText));
        painter.setClipping(false);
        painter.drawText(QRect(0, y, gutter - kTextPadding, m_lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(line + 1));
        painter.setFont(font());

        painter.setClipRect(textArea);
        const std::string_view bytes = m_file->Line(line);
        if (m_hasMatch && line == m_matchLine) {
            const int from = Columns(bytes, m_matchColumn);
            const int to = Columns(bytes, m_matchColumn + m_matchLength);
            painter.fillRect(QRect(textX + from * m_charWidth, y, std::max(1, to - from) * m_charWidth, m_lineHeight),
                             matchColor);
        }
        const QString text = DisplayText(bytes);
        if (text.size() > firstColumn) {
            painter.setPen(pal.color(QPalette::Text));
            painter.drawText(textX + firstColumn * m_charWidth, y + m_ascent, text.mid(firstColumn, shownColumns));
        }
    }
}

std::size_t CTextLinesView::LineAt(int y) const
{
    const std::size_t line = FirstVisibleLine() + static_cast<std::size_t>(std::max(0, y) / m_lineHeight);
    const std::size_t count = m_file ? m_file->LineCount() : 0;
    return count ? std::min(line, count - 1) : 0;
}

void CTextLinesView::EnsureVisible(std::size_t line)
{
    const std::size_t first = FirstVisibleLine();
    const auto visible = static_cast<std::size_t>(VisibleLineCount());
    if (line < first)
        verticalScrollBar()->setValue(static_cast<int>(line));
    else if (line >= first + visible)
        verticalScrollBar()->setValue(static_cast<int>(line - visible + 1));
}

void CTextLinesView::EnsureColumnVisible(int firstColumn, int lastColumn)
{
    QScrollBar* bar = horizontalScrollBar();
    const int width = viewport()->width() - GutterWidth() - 2 * kTextPadding;
    const int left = firstColumn * m_charWidth;
    const int right = lastColumn * m_charWidth;
    if (left < bar->value())
        bar->setValue(std::max(0, left - 4 * m_charWidth));
    else if (right > bar->value() + width)
        bar->setValue(right - width + 4 * m_charWidth);
}

void CTextLinesView::MoveCurrent(std::size_t line, bool extend)
{
    if (!m_file || m_file->LineCount() == 0)
        return;
    line = std::min(line, m_file->LineCount() - 1);
    m_current = line;
    if (!extend)
        m_anchor = line;
    EnsureVisible(line);
    viewport()->update();
    emit CurrentLineChanged(line);
}

void CTextLinesView::SetCurrentLine(std::size_t line)
{
    MoveCurrent(line, false);
}

void CTextLinesView::SetMatch(std::size_t line, std::size_t column, std::size_t length)
{
    m_hasMatch = true;
    m_matchLine = line;
    m_matchColumn = column;
    m_matchLength = length;
    MoveCurrent(line, false);
    if (m_file) {
        const std::string_view bytes = m_file->Line(line);
        EnsureColumnVisible(Columns(bytes, column), Columns(bytes, column + length));
    }
    viewport()->update();
}

void CTextLinesView::ClearMatch()
{
    m_hasMatch = false;
    viewport()->update();
}

QString CTextLinesView::SelectedText() const
{
    if (!m_file || m_file->LineCount() == 0 || !m_file->IsIntact())
        return {};
    QString text;
    for (std::size_t line = SelectionFirst(); line <= SelectionLast(); ++line) {
        const std::string_view bytes = m_file->Line(line);
        text += IsUtf8(bytes) ? QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()))
                              : QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
        text += QLatin1Char('\n');
    }
    return text;
}

void CTextLinesView::CopySelection() const
{
    if (QClipboard* clipboard = QApplication::clipboard(); clipboard && m_file && m_file->LineCount())
        clipboard->setText(SelectedText());
}

void CTextLinesView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        MoveCurrent(LineAt(event->position().toPoint().y()), event->modifiers() & Qt::ShiftModifier);
    QAbstractScrollArea::mousePressEvent(event);
}

void CTextLinesView::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) {
        const int y = event->position().toPoint().y();
        std::size_t line = LineAt(y);
        if (y < 0 && line > 0)
            --line;   // dragging above the view scrolls up
        MoveCurrent(line, true);
    }
}

void CTextLinesView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        CopySelection();
        return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const std::size_t page = static_cast<std::size_t>(std::max(1, VisibleLineCount() - 1));
    const std::size_t last = m_file && m_file->LineCount() ? m_file->LineCount() - 1 : 0;
    switch (event->key()) {
    case Qt::Key_Up:
        MoveCurrent(m_current ? m_current - 1 : 0, extend);
        return;
    case Qt::Key_Down:
        MoveCurrent(std::min(last, m_current + 1), extend);
        return;
    case Qt::Key_PageUp:
        MoveCurrent(m_current > page ? m_current - page : 0, extend);
        return;
    case Qt::Key_PageDown:
        MoveCurrent(std::min(last, m_current + page), extend);
        return;
    case Qt::Key_Home:
        if (event->modifiers() & Qt::ControlModifier)
            MoveCurrent(0, extend);
        horizontalScrollBar()->setValue(0);
        return;
    case Qt::Key_End:
        if (event->modifiers() & Qt::ControlModifier)
            MoveCurrent(last, extend);
        return;
    case Qt::Key_Left:
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return;
    case Qt::Key_Right:
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void CTextLinesView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copy = menu.addAction(tr("Copy"), this, &CTextLinesView::CopySelection);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(m_file && m_file->LineCount());
    if (!actions().isEmpty()) {
        menu.addSeparator();
        menu.addActions(actions());
    }
    menu.exec(event->globalPos());
}

} // namespace workstation
