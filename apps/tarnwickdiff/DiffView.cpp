#include "apps/tarnwickdiff/DiffView.h"

#include "apps/tarnwickdiff/DiffColours.h"
#include "apps/tarnwickdiff/DiffPane.h"
#include "apps/tarnwickdiff/DisplayLine.h"
#include "apps/tarnwickdiff/LocationBar.h"
#include "apps/tarnwickdiff/core/DiffDocument.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tarnwickdiff {

namespace {

QString SideInfo(const CDiffText& text)
{
    return QStringLiteral("%1 · %2 · %3")
        .arg(text.LineCount() == 1 ? CDiffView::tr("1 line")
                                   : CDiffView::tr("%1 lines").arg(QLocale().toString(static_cast<qulonglong>(text.LineCount()))),
             QString::fromLatin1(LineEndsName(text.GetLineEnds())),
             QString::fromLatin1(EncodingName(text.GetEncoding())));
}

} // namespace

CDiffView::CDiffView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    const QFontMetrics metrics(font);
    m_lineHeight = metrics.height() + 3;
    m_charWidth = std::max(1, metrics.horizontalAdvance(QLatin1Char('m')));

    m_banner = new QLabel(this);
    m_banner->setObjectName("banner");
    m_banner->setStyleSheet("#banner { background: #E7F1FC; border-bottom: 1px solid #A9C8EE;"
                            " padding: 7px 10px; color: #1D3F6E; font-weight: 600; }");
    m_banner->hide();

    m_left = new CDiffPane(*this, CDiffPane::Side::Left, this);
    m_right = new CDiffPane(*this, CDiffPane::Side::Right, this);
    m_left->setFont(font);
    m_right->setFont(font);
    m_location = new CLocationBar(*this, this);
    m_vertical = new QScrollBar(Qt::Vertical, this);
    m_horizontal = new QScrollBar(Qt::Horizontal, this);
    auto* divider = new QWidget(this);
    divider->setFixedWidth(2);
    divider->setStyleSheet("background: #C9CED6;");

    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(MakeHeader(m_leftTitle, m_leftInfo), 0, 0, 1, 2);
    grid->addWidget(MakeHeader(m_rightTitle, m_rightInfo), 0, 3, 1, 2);
    grid->addWidget(m_location, 1, 0);
    grid->addWidget(m_left, 1, 1);
    grid->addWidget(divider, 0, 2, 3, 1);
    grid->addWidget(m_right, 1, 3);
    grid->addWidget(m_vertical, 1, 4);
    grid->addWidget(m_horizontal, 2, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_banner);
    layout->addLayout(grid, 1);

    connect(m_vertical, &QScrollBar::valueChanged, this, &CDiffView::Repaint);
    connect(m_horizontal, &QScrollBar::valueChanged, this, &CDiffView::Repaint);
    connect(m_left, &CDiffPane::Painted, this, [this] { OnPanePainted(m_leftPainted); });
    connect(m_right, &CDiffPane::Painted, this, [this] { OnPanePainted(m_rightPainted); });
    connect(m_left, &CDiffPane::RowClicked, this, &CDiffView::OnRowClicked);
    connect(m_right, &CDiffPane::RowClicked, this, &CDiffView::OnRowClicked);
    connect(m_location, &CLocationBar::RowChosen, this, [this](int row) {
        ScrollToRow(static_cast<std::size_t>(std::max(0, row - VisibleRows() / 2)));
    });
}

QWidget* CDiffView::MakeHeader(QLabel*& title, QLabel*& info)
{
    auto* header = new QWidget(this);
    header->setObjectName("paneHeader");
    header->setAttribute(Qt::WA_StyledBackground);
    header->setStyleSheet("#paneHeader { background: #EEF1F5; border-bottom: 1px solid #D3D8DF; }");
    title = new QLabel(header);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    title->installEventFilter(this);   // re-elided whenever it is resized
    info = new QLabel(header);
    info->setStyleSheet("color: #6B7280;");
    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(10, 5, 10, 5);
    layout->addWidget(title, 1);
    layout->addWidget(info);
    return header;
}

void CDiffView::SetDocument(const CDiffDocument* document, const QString& leftTitle,
                            const QString& rightTitle, bool keepPosition)
{
    const int top = m_vertical->value();
    m_document = document;
    m_leftTitleText = leftTitle;
    m_rightTitleText = rightTitle;
    m_current = -1;
    m_leftPainted = m_rightPainted = m_firstScreenReported = false;
    m_leftInfo->setText(document ? SideInfo(document->Left()) : QString());
    m_rightInfo->setText(document ? SideInfo(document->Right()) : QString());
    m_leftTitle->setToolTip(document ? QString::fromStdString(document->Left().Path()) : QString());
    m_rightTitle->setToolTip(document ? QString::fromStdString(document->Right().Path()) : QString());
    UpdateHeaders();
    UpdateScrollRanges();
    m_vertical->setValue(keepPosition ? top : 0);
    if (!keepPosition)
        m_horizontal->setValue(0);
    Repaint();
}

void CDiffView::SetBanner(const QString& text)
{
    m_banner->setText(text);
    m_banner->setVisible(!text.isEmpty());
}

QString CDiffView::Banner() const
{
    return m_banner->isHidden() ? QString() : m_banner->text();
}

std::size_t CDiffView::FirstRow() const
{
    return static_cast<std::size_t>(m_vertical->value());
}

int CDiffView::VisibleRows() const
{
    return std::max(1, m_left->height() / m_lineHeight);
}

int CDiffView::XOffset() const
{
    return m_horizontal->value();
}

void CDiffView::ScrollToRow(std::size_t row)
{
    m_vertical->setValue(static_cast<int>(std::min<std::size_t>(row, m_vertical->maximum())));
}

int CDiffView::BlockCount() const
{
    return m_document ? static_cast<int>(m_document->Layout().Blocks().size()) : 0;
}

void CDiffView::SetCurrentBlock(int block)
{
    if (block < -1 || block >= BlockCount())
        return;
    m_current = block;
    if (block >= 0) {
        // Bring the change into view with some lines of context above it.
        const ChangeBlock& change = m_document->Layout().Blocks()[block];
        const int visible = VisibleRows();
        const std::size_t context = static_cast<int>(change.rowCount) < visible ? visible / 4 : 2;
        const std::size_t first = FirstRow();
        const bool shown = change.firstRow >= first &&
                           change.firstRow + change.rowCount <= first + static_cast<std::size_t>(visible);
        if (!shown)
            ScrollToRow(change.firstRow > context ? change.firstRow - context : 0);
    }
    Repaint();
    emit CurrentChanged(m_current);
}

bool CDiffView::HasNextChange() const
{
    return m_current + 1 < BlockCount();
}

bool CDiffView::HasPreviousChange() const
{
    return m_current > 0;
}

void CDiffView::NextChange()
{
    if (m_current < 0 && BlockCount() > 0) {
        // Nothing chosen yet: the first change below the top of the view.
        const int from = m_document->Layout().BlockFrom(FirstRow());
        SetCurrentBlock(from < 0 ? BlockCount() - 1 : from);
    } else if (HasNextChange()) {
        SetCurrentBlock(m_current + 1);
    }
}

void CDiffView::PreviousChange()
{
    if (HasPreviousChange())
        SetCurrentBlock(m_current - 1);
}

void CDiffView::FirstChange()
{
    if (BlockCount() > 0)
        SetCurrentBlock(0);
}

void CDiffView::LastChange()
{
    if (BlockCount() > 0)
        SetCurrentBlock(BlockCount() - 1);
}

bool CDiffView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && (watched == m_leftTitle || watched == m_rightTitle))
        UpdateHeaders();
    return QWidget::eventFilter(watched, event);
}

void CDiffView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    UpdateHeaders();
    UpdateScrollRanges();
}

void CDiffView::keyPressEvent(QKeyEvent* event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Down: m_vertical->triggerAction(QScrollBar::SliderSingleStepAdd); break;
    case Qt::Key_Up: m_vertical->triggerAction(QScrollBar::SliderSingleStepSub); break;
    case Qt::Key_PageDown: m_vertical->triggerAction(QScrollBar::SliderPageStepAdd); break;
    case Qt::Key_PageUp: m_vertical->triggerAction(QScrollBar::SliderPageStepSub); break;
    case Qt::Key_Right: m_horizontal->triggerAction(QScrollBar::SliderSingleStepAdd); break;
    case Qt::Key_Left: m_horizontal->triggerAction(QScrollBar::SliderSingleStepSub); break;
    case Qt::Key_Home:
        if (control)
            m_vertical->setValue(0);
        m_horizontal->setValue(0);
        break;
    case Qt::Key_End:
        if (control)
            m_vertical->setValue(m_vertical->maximum());
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CDiffView::wheelEvent(QWheelEvent* event)
{
    // The panes pass their wheel here; both scroll as one.
    const bool sideways = std::abs(event->angleDelta().x()) > std::abs(event->angleDelta().y()) ||
                          (event->modifiers() & Qt::ShiftModifier);
    QScrollBar* bar = sideways ? m_horizontal : m_vertical;
    const int delta = sideways && event->angleDelta().x() == 0 ? event->angleDelta().y()
                      : sideways                               ? event->angleDelta().x()
                                                               : event->angleDelta().y();
    const int steps = -delta / 40;   // three rows per notch of 120
    bar->setValue(bar->value() + steps * bar->singleStep());
    event->accept();
}

void CDiffView::UpdateHeaders()
{
    const auto elide = [](QLabel* label, const QString& text) {
        label->setText(label->fontMetrics().elidedText(text, Qt::ElideMiddle, std::max(40, label->width())));
    };
    if (!m_leftTitle || !m_rightTitle)
        return;
    elide(m_leftTitle, m_leftTitleText);
    elide(m_rightTitle, m_rightTitleText);
}

void CDiffView::UpdateScrollRanges()
{
    const int rows = m_document ? static_cast<int>(m_document->Layout().RowCount()) : 0;
    const int visible = VisibleRows();
    m_vertical->setRange(0, std::max(0, rows - visible));
    m_vertical->setPageStep(visible);
    m_vertical->setSingleStep(1);

    std::size_t longest = 0;
    if (m_document)
        longest = std::max(m_document->Left().LongestLine(), m_document->Right().LongestLine());
    const int columns = static_cast<int>(std::min<std::size_t>(longest, CDisplayLine::kMaxColumns + 40));
    const int textWidth = std::max(1, m_left->width() - m_left->GutterWidth());
    const int contentWidth = (columns + 4) * m_charWidth;
    m_horizontal->setRange(0, std::max(0, contentWidth - textWidth));
    m_horizontal->setPageStep(textWidth);
    m_horizontal->setSingleStep(m_charWidth * 4);
}

void CDiffView::Repaint()
{
    m_left->update();
    m_right->update();
    m_location->update();
}

void CDiffView::OnPanePainted(bool& painted)
{
    if (!m_document || m_firstScreenReported)
        return;
    painted = true;
    if (m_leftPainted && m_rightPainted) {
        m_firstScreenReported = true;
        emit FirstScreenPainted();
    }
}

void CDiffView::OnRowClicked(int row)
{
    setFocus();
    if (!m_document)
        return;
    const int block = m_document->Layout().BlockAt(static_cast<std::size_t>(row));
    if (block >= 0 && block != m_current)
        SetCurrentBlock(block);
}

} // namespace tarnwickdiff
