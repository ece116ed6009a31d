#include "apps/workstation/viewers/CConfigViewer.h"

#include "apps/workstation/viewers/CFindBar.h"
#include "apps/workstation/viewers/CMappedTextFile.h"
#include "apps/workstation/viewers/CTextLinesView.h"
#include "apps/workstation/viewers/ViewerText.h"

#include <QAction>
#include <QLabel>
#include <QShortcut>
#include <QVBoxLayout>

namespace workstation {

CConfigViewer::CConfigViewer(QWidget* parent)
    : QWidget(parent), m_file(std::make_unique<CMappedTextFile>())
{
    m_view = new CTextLinesView(this);
    m_view->setObjectName("configLines");
    m_findBar = new CFindBar(this);
    m_findBar->setObjectName("configFindBar");
    m_findBar->hide();
    m_status = new QLabel(this);
    m_status->setObjectName("configStatus");
    m_status->setContentsMargins(8, 2, 8, 2);
    m_status->setAutoFillBackground(true);
    m_status->setBackgroundRole(QPalette::Window);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_findBar);
    layout->addWidget(m_status);

    // Shortcuts belong to this window only: several viewers may be open.
    auto* find = new QAction(tr("Find..."), this);
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QAction::triggered, this, &CConfigViewer::ShowFindBar);
    auto* next = new QAction(tr("Find Next"), this);
    next->setShortcut(Qt::Key_F3);
    next->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(next, &QAction::triggered, this, &CConfigViewer::FindNext);
    auto* previous = new QAction(tr("Find Previous"), this);
    previous->setShortcut(Qt::SHIFT | Qt::Key_F3);
    previous->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(previous, &QAction::triggered, this, &CConfigViewer::FindPrevious);
    addActions({find, next, previous});
    m_view->addActions({find, next, previous});

    connect(m_findBar, &CFindBar::FindRequested, this, &CConfigViewer::Find);
    connect(m_findBar, &CFindBar::Closed, this, [this] {
        m_view->ClearMatch();
        m_view->setFocus();
    });
    connect(m_view, &CTextLinesView::CurrentLineChanged, this, &CConfigViewer::UpdateStatus);
    setFocusProxy(m_view);
}

CConfigViewer::~CConfigViewer()
{
    m_view->SetFile(nullptr);
}

bool CConfigViewer::Open(const std::string& path, std::string& error)
{
    m_view->SetFile(nullptr);
    const CMappedTextFile::Status status = m_file->Open(path);
    if (status != CMappedTextFile::Status::Ok) {
        error = CMappedTextFile::Describe(status, path);
        return false;
    }
    m_hasMatch = false;
    m_view->SetFile(m_file.get());
    UpdateStatus();
    return true;
}

const std::string& CConfigViewer::Path() const
{
    return m_file->Path();
}

void CConfigViewer::SetPath(const std::string& path)
{
    m_file->SetPath(path);
    emit PathChanged();
}

std::size_t CConfigViewer::LineCount() const
{
    return m_file->LineCount();
}

void CConfigViewer::GoToLine(int line)
{
    if (line > 0)
        m_view->SetCurrentLine(static_cast<std::size_t>(line - 1));
}

void CConfigViewer::ShowFindBar()
{
    m_findBar->Activate();
}

void CConfigViewer::FindNext()
{
    if (m_findBar->Text().isEmpty())
        ShowFindBar();
    else
        Find(true, false);
}

void CConfigViewer::FindPrevious()
{
    if (m_findBar->Text().isEmpty())
        ShowFindBar();
    else
        Find(false, false);
}

void CConfigViewer::Find(bool forward, bool incremental)
{
    const QByteArray needle = m_findBar->Text().toUtf8();
    if (needle.isEmpty()) {
        m_hasMatch = false;
        m_view->ClearMatch();
        m_findBar->ShowOutcome(QString(), false);
        return;
    }
    m_findBar->show();
    // From the match on screen: F3 goes past it, Shift+F3 before it, typing
    // stays on it while it still matches. Without one, from the current line.
    std::size_t line = m_view->CurrentLine();
    std::size_t column = 0;
    if (m_hasMatch && m_matchLine == line)
        column = m_matchColumn + (forward && !incremental ? 1 : 0);
    const CMappedTextFile::Match match =
        m_file->Find(std::string_view(needle.constData(), static_cast<std::size_t>(needle.size())), line, column,
                     forward, m_findBar->MatchCase());
    if (!match.found) {
        m_hasMatch = false;
        m_view->ClearMatch();
        m_findBar->ShowOutcome(tr("\u201c%1\u201d not found").arg(m_findBar->Text()), true);
        return;
    }
    m_hasMatch = true;
    m_matchLine = match.line;
    m_matchColumn = match.column;
    m_view->SetMatch(match.line, match.column, static_cast<std::size_t>(needle.size()));
    if (match.wrapped)
        m_findBar->ShowOutcome(forward ? tr("Passed the end, continued from the top")
                                       : tr("Passed the top, continued from the end"),
                               false);
    else
        m_findBar->ShowOutcome(QString(), false);
    UpdateStatus();
}

void CConfigViewer::UpdateStatus()
{
    const std::size_t lines = m_file->LineCount();
    QString text = lines ? tr("Line %1 of %2").arg(Thousands(m_view->CurrentLine() + 1), Thousands(lines))
                         : tr("Empty file");
    text += QStringLiteral("   \u00b7   ") + FileSizeText(m_file->Size()) + QStringLiteral("   \u00b7   ") +
            tr("Read-only");
    m_status->setText(text);
}

} // namespace workstation
