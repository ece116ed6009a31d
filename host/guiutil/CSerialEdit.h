#pragma once
// The result editor: a rich-text control in one monospace family whose
// formatting (bold, italic, underline, text and highlight colour, size) is
// kept in an RTF companion file beside the plain result. It is a plain-text
// editor whose document still holds character formats: its layout works line
// by line on what is shown, so a result of many megabytes opens, finds and
// scrolls without laying out the whole text first.
#include "host/richtext/RtfRun.h"

#include <QPlainTextEdit>

#include <string>

class QColor;
class QString;
class QTextCharFormat;

class CSerialEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kDefaultPointSize = 12;

    explicit CSerialEdit(QWidget* parent = nullptr);
    ~CSerialEdit() override;

    // The monospace family and size of text without a size of its own.
    void SetDefaultFont(const std::string& family, int pointSize = kDefaultPointSize);
    std::string GetFontFamily() const;

    // The companion file OnOpen and OnSave use when given no path.
    void SetFilePath(const std::string& path) { m_filePath = path; }
    const std::string& GetFilePath() const { return m_filePath; }

    // Loads the RTF file (the companion when path is empty). False, with the
    // text left as it was, when the file is missing, empty, not RTF or damaged.
    bool OnOpen(const std::string& path = {});
    // Writes the text as RTF to the file (the companion when path is empty),
    // replacing it whole; false, with the file left as it was, on failure.
    bool OnSave(const std::string& path = {});
    // Why the last OnOpen or OnSave failed.
    const std::string& GetLastError() const { return m_lastError; }

    bool IsModified() const;
    void SetModified(bool modified);

    // Unformatted text in the default font; the text is then unmodified.
    void SetPlainTextContent(const std::string& text);
    // The same from text the caller keeps: shared, not copied, when it has no carriage returns.
    void SetPlainTextShared(const QString& text);
    // The text without formatting, lines ended by '\n'.
    std::string GetPlainTextContent() const;

    richtext::RtfText GetRichText() const;
    void SetRichText(const richtext::RtfText& text);

    // Formats the selection, or what is typed next when nothing is selected.
    void SetBold(bool on);
    void SetItalic(bool on);
    void SetUnderline(bool on);
    void SetTextColour(const QColor& colour);
    void SetHighlightColour(const QColor& colour);
    void SetFontPointSize(int points);
    // Back to the default format: no colours, no highlight, default size.
    void ClearFormat();

signals:
    // The format at the cursor, after the cursor moved or the format changed.
    void CurrentFormatChanged(const QTextCharFormat& format);

private:
    void MergeFormat(const QTextCharFormat& format);
    void ReportFormat();

    std::string m_filePath;
    std::string m_lastError;
    int m_pointSize = kDefaultPointSize;
};
