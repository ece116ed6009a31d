#include "host/guiutil/CSerialEditWrapper.h"

#include "host/guiutil/CSerialEdit.h"
#include "platform/qt/ControlId.h"
#include "platform/qt/RunModal.h"

#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QIcon>
#include <QTextCharFormat>
#include <QToolBar>
#include <QVBoxLayout>

#include <cmath>

namespace {
constexpr int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 24, 28, 36, 48, 72};
}

CSerialEditWrapper::CSerialEditWrapper(QWidget* parent) : QWidget(parent)
{
    m_edit = new CSerialEdit(this);
    platform::SetControlId(m_edit, kIdcEdit);
    m_toolBar = new QToolBar(this);
    m_toolBar->setIconSize(QSize(16, 16));

    m_bold = AddAction(QStringLiteral("format-text-bold"), QStringLiteral("Bold"), kIdcBold, true);
    m_italic = AddAction(QStringLiteral("format-text-italic"), QStringLiteral("Italic"), kIdcItalic, true);
    m_underline = AddAction(QStringLiteral("format-text-underline"), QStringLiteral("Underline"), kIdcUnderline, true);
    connect(m_bold, &QAction::triggered, m_edit, [this](bool on) { m_edit->SetBold(on); });
    connect(m_italic, &QAction::triggered, m_edit, [this](bool on) { m_edit->SetItalic(on); });
    connect(m_underline, &QAction::triggered, m_edit, [this](bool on) { m_edit->SetUnderline(on); });
    m_toolBar->addSeparator();
    QAction* colour = AddAction(QStringLiteral("format-text-color"), QStringLiteral("Text Colour"), kIdcTextColour, false);
    QAction* highlight = AddAction(QStringLiteral("format-fill-color"), QStringLiteral("Highlight Colour"), kIdcHighlight, false);
    connect(colour, &QAction::triggered, this, [this] { ChooseColour(false); });
    connect(highlight, &QAction::triggered, this, [this] { ChooseColour(true); });
    m_toolBar->addSeparator();

    m_size = new QComboBox(m_toolBar);
    m_size->setToolTip(QStringLiteral("Font Size"));
    for (int size : kSizes)
        m_size->addItem(QString::number(size), size);
    platform::SetControlId(m_size, kIdcFontSize);
    m_toolBar->addWidget(m_size);
    connect(m_size, &QComboBox::activated, m_edit, [this](int index) {
        m_edit->SetFontPointSize(m_size->itemData(index).toInt());
        m_edit->setFocus();
    });
    QAction* clear = AddAction(QStringLiteral("edit-clear"), QStringLiteral("Clear Format"), kIdcClearFormat, false);
    connect(clear, &QAction::triggered, m_edit, [this] { m_edit->ClearFormat(); });

    connect(m_edit, &CSerialEdit::CurrentFormatChanged, this,
            [this](const QTextCharFormat& format) { ShowFormat(format); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_edit, 1);
    Init(m_edit->GetFontFamily());
}

CSerialEditWrapper::~CSerialEditWrapper() = default;

void CSerialEditWrapper::Init(const std::string& fontFamily, int pointSize)
{
    m_edit->SetDefaultFont(fontFamily, pointSize);
    ShowFormat(m_edit->currentCharFormat());
}

QAction* CSerialEditWrapper::AddAction(const QString& icon, const QString& text, int id, bool checkable)
{
    QAction* action = m_toolBar->addAction(QIcon::fromTheme(icon), text);
    action->setToolTip(text);
    action->setCheckable(checkable);
    if (QWidget* button = m_toolBar->widgetForAction(action))
        platform::SetControlId(button, id);
    return action;
}

void CSerialEditWrapper::ChooseColour(bool highlight)
{
    const QTextCharFormat format = m_edit->currentCharFormat();
    const QBrush current = highlight ? format.background() : format.foreground();
    QColorDialog dialog(current.style() == Qt::NoBrush ? QColor(highlight ? Qt::yellow : Qt::black)
                                                        : current.color(),
                        this);
    dialog.setWindowTitle(highlight ? QStringLiteral("Highlight Colour") : QStringLiteral("Text Colour"));
    if (platform::RunModal(dialog) != QDialog::Accepted || !dialog.currentColor().isValid())
        return;
    if (highlight)
        m_edit->SetHighlightColour(dialog.currentColor());
    else
        m_edit->SetTextColour(dialog.currentColor());
    m_edit->setFocus();
}

void CSerialEditWrapper::ShowFormat(const QTextCharFormat& format)
{
    m_bold->setChecked(format.fontWeight() >= QFont::DemiBold);
    m_italic->setChecked(format.fontItalic());
    m_underline->setChecked(format.fontUnderline());
    const double points = format.fontPointSize() > 0 ? format.fontPointSize() : m_edit->font().pointSizeF();
    const int index = m_size->findData(static_cast<int>(std::lround(points)));
    if (index >= 0)
        m_size->setCurrentIndex(index);
    else
        m_size->setCurrentIndex(-1);
}
