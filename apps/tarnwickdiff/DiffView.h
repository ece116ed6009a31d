#pragma once
// The two panes side by side under their titles, with one vertical and one
// horizontal scroll bar for both (so the sides never drift apart), the
// location bar, and the current change that F7 / Shift+F7 step through.
#include <QWidget>

#include <cstddef>

class QLabel;
class QScrollBar;

namespace tarnwickdiff {

class CDiffDocument;
class CDiffPane;
class CLocationBar;

class CDiffView : public QWidget {
    Q_OBJECT
public:
    explicit CDiffView(QWidget* parent = nullptr);

    // Shows the document (not owned; nullptr empties the view), keeping the
    // scroll position when keepPosition. Titles stand above the panes.
    void SetDocument(const CDiffDocument* document, const QString& leftTitle, const QString& rightTitle,
                     bool keepPosition = false);
    const CDiffDocument* Document() const { return m_document; }
    // A notice above the panes ("The files are identical."); empty hides it.
    void SetBanner(const QString& text);
    QString Banner() const;

    std::size_t FirstRow() const;
    int VisibleRows() const;
    int LineHeight() const { return m_lineHeight; }
    int XOffset() const;
    void ScrollToRow(std::size_t row);

    // Index of the current change block, -1 when none.
    int CurrentBlock() const { return m_current; }
    int BlockCount() const;
    void SetCurrentBlock(int block);
    bool HasNextChange() const;
    bool HasPreviousChange() const;

public slots:
    void NextChange();
    void PreviousChange();
    void FirstChange();
    void LastChange();

signals:
    void CurrentChanged(int block);
    // Once per document, when both panes have drawn their first screen.
    void FirstScreenPainted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QWidget* MakeHeader(QLabel*& title, QLabel*& info);
    void UpdateHeaders();
    void UpdateScrollRanges();
    void Repaint();
    void OnPanePainted(bool& painted);
    void OnRowClicked(int row);

    const CDiffDocument* m_document = nullptr;
    CDiffPane* m_left = nullptr;
    CDiffPane* m_right = nullptr;
    CLocationBar* m_location = nullptr;
    QScrollBar* m_vertical = nullptr;
    QScrollBar* m_horizontal = nullptr;
    QLabel* m_banner = nullptr;
    QLabel* m_leftTitle = nullptr;
    QLabel* m_rightTitle = nullptr;
    QLabel* m_leftInfo = nullptr;
    QLabel* m_rightInfo = nullptr;
    QString m_leftTitleText;
    QString m_rightTitleText;
    int m_lineHeight = 16;
    int m_charWidth = 8;
    int m_current = -1;
    // Which panes have drawn since the document was set.
    bool m_leftPainted = false;
    bool m_rightPainted = false;
    bool m_firstScreenReported = false;
};

} // namespace tarnwickdiff
