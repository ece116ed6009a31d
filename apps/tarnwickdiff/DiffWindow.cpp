#include "apps/tarnwickdiff/DiffWindow.h"

#include "apps/tarnwickdiff/DiffColours.h"
#include "apps/tarnwickdiff/DiffView.h"
#include "apps/tarnwickdiff/core/DiffDocument.h"
#include "platform/core/Prompter.h"
#include "platform/qt/WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace tarnwickdiff {

namespace {

QString Swatch(const QColor& colour, const QString& label)
{
    return QStringLiteral("<span style='color:%1'>&#9632;</span>&nbsp;%2")
        .arg(colour.name(), label.toHtmlEscaped());
}

QString Title(const std::string& title, const std::string& path)
{
    return QString::fromStdString(title.empty() ? path : title);
}

} // namespace

CDiffWindow::CDiffWindow(QWidget* parent) : QMainWindow(parent)
{
    m_view = new CDiffView(this);
    setCentralWidget(m_view);
    CreateActions();
    m_position = new QLabel(this);
    m_whitespaceNote = new QLabel(tr("White space ignored"), this);
    m_whitespaceNote->setStyleSheet("color: #6B7280; padding: 0 8px;");
    m_whitespaceNote->hide();
    auto* legend = new QLabel(Swatch(colours::ChangedMark(), tr("Changed")) + "&nbsp;&nbsp;&nbsp;" +
                                  Swatch(colours::AddedMark(), tr("Added")) + "&nbsp;&nbsp;&nbsp;" +
                                  Swatch(colours::RemovedMark(), tr("Removed")),
                              this);
    legend->setStyleSheet("padding: 0 8px;");
    statusBar()->addWidget(m_position);
    statusBar()->addPermanentWidget(m_whitespaceNote);
    statusBar()->addPermanentWidget(legend);
    connect(m_view, &CDiffView::CurrentChanged, this, &CDiffWindow::UpdateStatus);
    connect(m_view, &CDiffView::FirstScreenPainted, this, &CDiffWindow::FirstScreenPainted);
    resize(1280, 800);
    m_view->setFocus();   // arrow and page keys scroll both panes from the start
    UpdateStatus();
}

CDiffWindow::~CDiffWindow() = default;

void CDiffWindow::CreateActions()
{
    const QStyle* style = QApplication::style();
    m_previous = new QAction(QIcon::fromTheme("go-up", style->standardIcon(QStyle::SP_ArrowUp)),
                             tr("&Previous Change"), this);
    m_previous->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F7), QKeySequence(Qt::ALT | Qt::Key_Up)});
    m_previous->setToolTip(tr("Previous change (Shift+F7)"));
    m_next = new QAction(QIcon::fromTheme("go-down", style->standardIcon(QStyle::SP_ArrowDown)),
                         tr("&Next Change"), this);
    m_next->setShortcuts({QKeySequence(Qt::Key_F7), QKeySequence(Qt::ALT | Qt::Key_Down)});
    m_next->setToolTip(tr("Next change (F7)"));
    m_first = new QAction(QIcon::fromTheme("go-top"), tr("&First Change"), this);
    m_first->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    m_last = new QAction(QIcon::fromTheme("go-bottom"), tr("&Last Change"), this);
    m_last->setShortcut(QKeySequence(Qt::ALT | Qt::Key_End));
    m_ignoreWhitespace = new QAction(tr("Ignore &White Space"), this);
    m_ignoreWhitespace->setCheckable(true);
    m_ignoreWhitespace->setToolTip(tr("Compare without regard to blanks and tabs"));
    m_reload = new QAction(QIcon::fromTheme("view-refresh", style->standardIcon(QStyle::SP_BrowserReload)),
                           tr("&Reload"), this);
    m_reload->setShortcut(QKeySequence(Qt::Key_F5));
    m_reload->setToolTip(tr("Read both files again (F5)"));
    auto* close = new QAction(tr("&Close"), this);
    close->setShortcuts({QKeySequence::Close, QKeySequence(Qt::Key_Escape)});
    auto* about = new QAction(tr("&About TarnwickDiff"), this);

    connect(m_previous, &QAction::triggered, m_view, &CDiffView::PreviousChange);
    connect(m_next, &QAction::triggered, m_view, &CDiffView::NextChange);
    connect(m_first, &QAction::triggered, m_view, &CDiffView::FirstChange);
    connect(m_last, &QAction::triggered, m_view, &CDiffView::LastChange);
    connect(m_ignoreWhitespace, &QAction::toggled, this, &CDiffWindow::SetIgnoreWhitespace);
    connect(m_reload, &QAction::triggered, this, &CDiffWindow::Reload);
    connect(close, &QAction::triggered, this, &QWidget::close);
    connect(about, &QAction::triggered, this, &CDiffWindow::ShowAbout);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(m_reload);
    file->addSeparator();
    file->addAction(close);
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(m_ignoreWhitespace);
    QMenu* go = menuBar()->addMenu(tr("&Go"));
    go->addAction(m_next);
    go->addAction(m_previous);
    go->addSeparator();
    go->addAction(m_first);
    go->addAction(m_last);
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(about);

    QToolBar* bar = addToolBar(tr("Compare"));
    bar->setObjectName("compareToolBar");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addAction(m_previous);
    bar->addAction(m_next);
    bar->addSeparator();
    bar->addAction(m_ignoreWhitespace);
    bar->addSeparator();
    bar->addAction(m_reload);
}

bool CDiffWindow::Open(const DiffArguments& arguments)
{
    auto document = std::make_unique<CDiffDocument>();
    std::string message;
    const bool opened = document->Open(arguments.leftPath, arguments.rightPath, arguments.ignoreWhitespace, message);
    return ShowDocument(arguments, std::move(document), opened ? std::string() : message);
}

bool CDiffWindow::ShowDocument(const DiffArguments& arguments, std::unique_ptr<CDiffDocument> document,
                               const std::string& failure)
{
    m_arguments = arguments;
    if (!failure.empty() || !document) {
        platform::AppMessageBox(failure, platform::BoxButtons::Ok, platform::BoxIcon::Exclamation, this);
        return false;
    }
    m_document = std::move(document);
    {
        const QSignalBlocker block(m_ignoreWhitespace);
        m_ignoreWhitespace->setChecked(m_document->IgnoresWhitespace());
    }
    setWindowTitle(tr("%1 vs %2")
                       .arg(arguments.leftTitle.empty()
                                ? QFileInfo(QString::fromStdString(arguments.leftPath)).fileName()
                                : QString::fromStdString(arguments.leftTitle),
                            arguments.rightTitle.empty()
                                ? QFileInfo(QString::fromStdString(arguments.rightPath)).fileName()
                                : QString::fromStdString(arguments.rightTitle)));
    Present(false);
    m_goToFirstChange = true;
    if (isVisible()) {
        m_goToFirstChange = false;
        m_view->FirstChange();
    }
    return true;
}

void CDiffWindow::Present(bool keepPosition)
{
    m_view->SetDocument(m_document.get(), Title(m_arguments.leftTitle, m_arguments.leftPath),
                        Title(m_arguments.rightTitle, m_arguments.rightPath), keepPosition);
    m_view->SetBanner(QString::fromStdString(m_document->IdenticalText()));
    m_whitespaceNote->setVisible(m_document->IgnoresWhitespace());
    UpdateStatus();
}

std::size_t CDiffWindow::TopLine() const
{
    if (!m_document)
        return 0;
    const CSideBySide& layout = m_document->Layout();
    for (std::size_t i = m_view->FirstRow(); i < layout.RowCount(); ++i)
        if (const DiffRow row = layout.Row(i); row.left >= 0)
            return static_cast<std::size_t>(row.left);
    return 0;
}

void CDiffWindow::Compare(std::size_t topLine)
{
    {
        const platform::WaitCursor wait;
        m_document->Compare(m_ignoreWhitespace->isChecked());
    }
    Present(true);
    const std::size_t top = m_document->Layout().RowOfLeftLine(topLine);
    m_view->ScrollToRow(top);
    const int block = m_document->Layout().BlockFrom(top);
    if (block >= 0)
        m_view->SetCurrentBlock(block);
}

void CDiffWindow::Reload()
{
    auto document = std::make_unique<CDiffDocument>();
    std::string message;
    if (!document->Load(m_arguments.leftPath, m_arguments.rightPath, message)) {
        // The files on screen stay as they were read before.
        platform::AppMessageBox(message, platform::BoxButtons::Ok, platform::BoxIcon::Exclamation, this);
        return;
    }
    const std::size_t topLine = TopLine();
    std::swap(m_document, document);
    Compare(topLine);
}

void CDiffWindow::SetIgnoreWhitespace(bool ignore)
{
    if (m_ignoreWhitespace->isChecked() != ignore) {
        m_ignoreWhitespace->setChecked(ignore);   // comes back here through toggled
        return;
    }
    if (m_document)
        Compare(TopLine());
}

QString CDiffWindow::ChangeStatus() const
{
    return m_position->text();
}

void CDiffWindow::UpdateStatus()
{
    const int count = m_view->BlockCount();
    const int current = m_view->CurrentBlock();
    if (!m_document)
        m_position->setText(QString());
    else if (count == 0)
        m_position->setText(tr("No changes"));
    else if (current < 0)
        m_position->setText(count == 1 ? tr("1 change") : tr("%1 changes").arg(count));
    else
        m_position->setText((count == 1 ? tr("%1 of %2 change") : tr("%1 of %2 changes")).arg(current + 1).arg(count));
    m_next->setEnabled(m_view->HasNextChange() || (current < 0 && count > 0));
    m_previous->setEnabled(m_view->HasPreviousChange());
    m_first->setEnabled(count > 0);
    m_last->setEnabled(count > 0);
    m_reload->setEnabled(m_document != nullptr);
}

void CDiffWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_goToFirstChange) {
        // Only now are the panes their real size, so the change gets its context.
        m_goToFirstChange = false;
        m_view->FirstChange();
    }
}

void CDiffWindow::ShowAbout()
{
    platform::AppMessageBox(
        "TarnwickDiff shows two text files side by side with their differences marked.\n\n"
        "Keys: F7 next change, Shift+F7 previous change, F5 reload, Esc close.\n\n"
        "Differences are computed with dtl, the O(NP) algorithm of Wu, Manber and Myers: "
        "the shortest edit between the files, as GNU diff finds it.",
        platform::BoxButtons::Ok, platform::BoxIcon::Information, this);
}

} // namespace tarnwickdiff
