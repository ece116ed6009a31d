#pragma once
// A read-only view of the lines of a CMappedTextFile: a line-number gutter
// and monospace text, painting only the lines in sight, so a file of any
// length scrolls as fast as a short one. Lines are selected whole and copied.
#include <QAbstractScrollArea>

#include <cstddef>
#include <string_view>

namespace workstation {

class CMappedTextFile;

class CTextLinesView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CTextLinesView(QWidget* parent = nullptr);

    // The file is not owned and must outlive the view (or be replaced first).
    void SetFile(const CMappedTextFile* file);

    // Makes the line current (selecting it alone) and scrolls it into sight.
    void SetCurrentLine(std::size_t line);
    std::size_t CurrentLine() const { return m_current; }
    // The first and last selected lines, in order.
    std::size_t SelectionFirst() const;
    std::size_t SelectionLast() const;
    // Marks found text (byte column and length in the line) and brings it into sight.
    void SetMatch(std::size_t line, std::size_t column, std::size_t length);
    void ClearMatch();

    std::size_t FirstVisibleLine() const;
    int VisibleLineCount() const;
    // The selected lines as shown, one a line.
    QString SelectedText() const;
    void CopySelection() const;

    // A line's bytes as the view shows them: UTF-8 when the bytes are valid
    // UTF-8, else Latin-1 (so no byte is lost or turned into a wrong
    // character sequence), tabs expanded to 8 columns, control characters as
    // their visible symbols, and an over-long line cut with a note.
    static QString DisplayText(std::string_view bytes);

signals:
    void CurrentLineChanged(qulonglong line);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void UpdateMetrics();
    void UpdateScrollBars();
    int GutterWidth() const;
    std::size_t LineAt(int y) const;
    void MoveCurrent(std::size_t line, bool extend);
    void EnsureVisible(std::size_t line);
    void EnsureColumnVisible(int firstColumn, int lastColumn);

    const CMappedTextFile* m_file = nullptr;
    std::size_t m_current = 0;
    std::size_t m_anchor = 0;
    bool m_hasMatch = false;
    std::size_t m_matchLine = 0;
    std::size_t m_matchColumn = 0;
    std::size_t m_matchLength = 0;
    int m_lineHeight = 16;
    int m_charWidth = 8;
    int m_ascent = 12;
};

} // namespace workstation
