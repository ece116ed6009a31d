#include "host/guiutil/CSerialEdit.h"

#include "host/richtext/RtfFile.h"
#include "host/richtext/RtfWriter.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace {

std::optional<richtext::RtfColor> BrushColour(const QTextCharFormat& format, QTextFormat::Property property)
{
    if (!format.hasProperty(property))
        return std::nullopt;
    const QBrush brush = format.brushProperty(property);
    if (brush.style() == Qt::NoBrush)
        return std::nullopt;
    const QColor c = brush.color();
    return richtext::RtfColor{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                              static_cast<std::uint8_t>(c.blue())};
}

QColor ToQColor(const richtext::RtfColor& c)
{
    return QColor(c.red, c.green, c.blue);
}

} // namespace

CSerialEdit::CSerialEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    // Pasted text takes the editor's format, not a web page's: a plain-text
    // editor pastes text only.
    setLineWrapMode(QPlainTextEdit::NoWrap);
    SetDefaultFont(richtext::kDefaultRtfFont);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &CSerialEdit::ReportFormat);
}

CSerialEdit::~CSerialEdit() = default;

void CSerialEdit::SetDefaultFont(const std::string& family, int pointSize)
{
    QFont font(QString::fromStdString(family));
    // Courier may be missing on Linux: any fixed-pitch family then stands in.
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(pointSize > 0 ? pointSize : kDefaultPointSize);
    m_pointSize = font.pointSize();
    setFont(font);
    document()->setDefaultFont(font);
    QTextCharFormat format;
    format.setFont(font);
    MergeFormat(format);
}

std::string CSerialEdit::GetFontFamily() const
{
    return document()->defaultFont().family().toStdString();
}

bool CSerialEdit::IsModified() const
{
    return document()->isModified();
}

void CSerialEdit::SetModified(bool modified)
{
    document()->setModified(modified);
}

void CSerialEdit::SetPlainTextContent(const std::string& text)
{
    SetPlainTextShared(QString::fromStdString(text));
}

void CSerialEdit::SetPlainTextShared(const QString& text)
{
    // One bulk load into the document instead of inserting line by line with
    // an undo record each: a result of many megabytes opens at once. The text
    // takes the document's default format, which is the default font, so no
    // second pass formats it. The text is shared, not copied, unless it holds
    // carriage returns.
    QString plain = text;
    plain.remove(QLatin1Char('\r'));
    clear();
    setCurrentCharFormat(QTextCharFormat());
    document()->setPlainText(plain);
    QTextCursor start(document());
    setTextCursor(start);
    ReportFormat();
    SetModified(false);
}

std::string CSerialEdit::GetPlainTextContent() const
{
    return toPlainText().toStdString();
}

richtext::RtfText CSerialEdit::GetRichText() const
{
    richtext::RtfText text;
    text.fontName = GetFontFamily();
    std::vector<richtext::RtfRun>& runs = text.runs;
    const auto append = [&](const QString& piece, const QTextCharFormat& format) {
        richtext::RtfRun run;
        run.bold = format.fontWeight() >= QFont::DemiBold;
        run.italic = format.fontItalic();
        run.underline = format.fontUnderline();
        run.color = BrushColour(format, QTextFormat::ForegroundBrush);
        run.highlight = BrushColour(format, QTextFormat::BackgroundBrush);
        const double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : 0.0;
        if (points > 0 && std::lround(points) != m_pointSize)
            run.halfPoints = static_cast<int>(std::lround(points * 2));
        if (runs.empty() || !runs.back().SameFormat(run))
            runs.push_back(std::move(run));
        QString cleaned = piece;
        cleaned.replace(QChar::LineSeparator, QLatin1Char('\n'));
        cleaned.remove(QChar::ObjectReplacementCharacter);
        runs.back().text += cleaned.toStdString();
    };
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin()) {
            // A paragraph end goes with the text before it, as the RTF reader gives it.
            if (runs.empty())
                append(QStringLiteral("\n"), block.charFormat());
            else
                runs.back().text += '\n';
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                append(fragment.text(), fragment.charFormat());
        }
    }
    std::erase_if(runs, [](const richtext::RtfRun& run) { return run.text.empty(); });
    return text;
}

void CSerialEdit::SetRichText(const richtext::RtfText& text)
{
    const QFont font = document()->defaultFont();
    clear();
    QTextCursor cursor(document());
    for (const richtext::RtfRun& run : text.runs) {
        QTextCharFormat format;
        format.setFont(font);
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(run.italic);
        format.setFontUnderline(run.underline);
        if (run.color)
            format.setForeground(ToQColor(*run.color));
        if (run.highlight)
            format.setBackground(ToQColor(*run.highlight));
        format.setFontPointSize(run.halfPoints > 0 ? run.halfPoints / 2.0 : m_pointSize);
        cursor.insertText(QString::fromStdString(run.text), format);
    }
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
    QTextCharFormat current;
    current.setFont(font);
    MergeFormat(current);
    SetModified(false);
}

bool CSerialEdit::OnOpen(const std::string& path)
{
    const std::string file = path.empty() ? m_filePath : path;
    const richtext::RtfReadResult read = richtext::LoadRtfFile(file);
    if (!read.ok) {
        m_lastError = read.error;
        return false;
    }
    m_filePath = file;
    m_lastError.clear();
    SetRichText(read.text);
    return true;
}

bool CSerialEdit::OnSave(const std::string& path)
{
    const std::string file = path.empty() ? m_filePath : path;
    if (file.empty()) {
        m_lastError = "The formatted text has no file to be saved to.";
        return false;
    }
    if (!richtext::SaveRtfFile(file, GetRichText(), m_lastError))
        return false;
    m_filePath = file;
    m_lastError.clear();
    SetModified(false);
    return true;
}

void CSerialEdit::SetBold(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    MergeFormat(format);
}

void CSerialEdit::SetItalic(bool on)
{
    QTextCharFormat format;
    format.setFontItalic(on);
    MergeFormat(format);
}

void CSerialEdit::SetUnderline(bool on)
{
    QTextCharFormat format;
    format.setFontUnderline(on);
    MergeFormat(format);
}

void CSerialEdit::SetTextColour(const QColor& colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    MergeFormat(format);
}

void CSerialEdit::SetHighlightColour(const QColor& colour)
{
    QTextCharFormat format;
    format.setBackground(colour);
    MergeFormat(format);
}

void CSerialEdit::SetFontPointSize(int points)
{
    if (points <= 0)
        return;
    QTextCharFormat format;
    format.setFontPointSize(points);
    MergeFormat(format);
}

void CSerialEdit::ClearFormat()
{
    QTextCharFormat format;
    format.setFont(document()->defaultFont());
    format.setFontPointSize(m_pointSize);
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection())
        cursor.setCharFormat(format);
    setCurrentCharFormat(format);
    ReportFormat();
}

void CSerialEdit::MergeFormat(const QTextCharFormat& format)
{
    mergeCurrentCharFormat(format);
    ReportFormat();
}

void CSerialEdit::ReportFormat()
{
    emit CurrentFormatChanged(currentCharFormat());
}
