#include "apps/workstation/viewers/CFindBar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace workstation {

namespace {

// Typing searches once the user pauses, not at every key of a long word.
constexpr int kTypingPauseMs = 150;

QToolButton* MakeButton(QWidget* parent, const QString& text, const QIcon& icon, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setIcon(icon);
    button->setToolTip(tip);
    button->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

CFindBar::CFindBar(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->setSpacing(4);

    auto* label = new QLabel(tr("Find:"), this);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName("findText");
    m_edit->setPlaceholderText(tr("Text to find"));
    m_edit->setClearButtonEnabled(true);
    m_edit->setMinimumWidth(220);
    m_edit->installEventFilter(this);
    label->setBuddy(m_edit);

    QToolButton* previous = MakeButton(this, tr("Previous"), QIcon::fromTheme("go-up"), tr("Find previous (Shift+F3)"));
    previous->setObjectName("findPrevious");
    QToolButton* next = MakeButton(this, tr("Next"), QIcon::fromTheme("go-down"), tr("Find next (F3)"));
    next->setObjectName("findNext");
    m_matchCase = new QCheckBox(tr("Match case"), this);
    m_matchCase->setObjectName("findMatchCase");
    m_outcome = new QLabel(this);
    m_outcome->setObjectName("findOutcome");
    QToolButton* close = MakeButton(this, QString(), style()->standardIcon(QStyle::SP_TitleBarCloseButton),
                                    tr("Close the find bar (Esc)"));
    close->setObjectName("findClose");

    layout->addWidget(label);
    layout->addWidget(m_edit);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(m_matchCase);
    layout->addSpacing(8);
    layout->addWidget(m_outcome, 1);
    layout->addWidget(close);

    m_typing = new QTimer(this);
    m_typing->setSingleShot(true);
    m_typing->setInterval(kTypingPauseMs);
    connect(m_typing, &QTimer::timeout, this, [this] { emit FindRequested(true, true); });
    connect(m_edit, &QLineEdit::textEdited, m_typing, qOverload<>(&QTimer::start));
    connect(m_edit, &QLineEdit::returnPressed, this, [this] {
        m_typing->stop();
        emit FindRequested(true, false);
    });
    connect(m_matchCase, &QCheckBox::toggled, this, [this] { emit FindRequested(true, true); });
    connect(next, &QToolButton::clicked, this, [this] {
        m_typing->stop();
        emit FindRequested(true, false);
    });
    connect(previous, &QToolButton::clicked, this, [this] {
        m_typing->stop();
        emit FindRequested(false, false);
    });
    connect(close, &QToolButton::clicked, this, [this] {
        hide();
        emit Closed();
    });
}

void CFindBar::Activate()
{
    show();
    m_edit->setFocus(Qt::ShortcutFocusReason);
    m_edit->selectAll();
}

QString CFindBar::Text() const
{
    return m_edit->text();
}

bool CFindBar::MatchCase() const
{
    return m_matchCase->isChecked();
}

void CFindBar::ShowOutcome(const QString& text, bool problem)
{
    m_outcome->setText(text);
    QPalette colors = m_outcome->palette();
    colors.setColor(QPalette::WindowText, problem ? QColor(190, 30, 30) : palette().color(QPalette::WindowText));
    m_outcome->setPalette(colors);
    m_edit->setStyleSheet(problem ? QStringLiteral("QLineEdit { background: #fde0e0; }") : QString());
}

QString CFindBar::Outcome() const
{
    return m_outcome->text();
}

bool CFindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            hide();
            emit Closed();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & Qt::ShiftModifier)) {
            m_typing->stop();
            emit FindRequested(false, false);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace workstation
