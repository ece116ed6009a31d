#pragma once
// The workstation's read-only configuration viewer: an MDI child showing one
// file with line numbers in a monospace font, with a find bar (Ctrl+F, F3,
// Shift+F3). The file is mapped, never copied into a widget, so a 100 MB
// configuration opens as fast as its lines can be counted.
#include <QWidget>

#include <cstddef>
#include <memory>
#include <string>

class QLabel;

namespace workstation {

class CFindBar;
class CMappedTextFile;
class CTextLinesView;

class CConfigViewer : public QWidget {
    Q_OBJECT
public:
    explicit CConfigViewer(QWidget* parent = nullptr);
    ~CConfigViewer() override;

    // Shows the file; false with the reason (naming the file) when it cannot
    // be shown, a binary file among them.
    bool Open(const std::string& path, std::string& error);
    const std::string& Path() const;
    // The file was renamed: the window follows it.
    void SetPath(const std::string& path);
    // Brings a line (1-based) into sight and makes it current.
    void GoToLine(int line);

    std::size_t LineCount() const;
    CTextLinesView* View() const { return m_view; }
    CFindBar* FindBar() const { return m_findBar; }

    void ShowFindBar();
    void FindNext();
    void FindPrevious();

signals:
    void PathChanged();

private:
    void Find(bool forward, bool incremental);
    void UpdateStatus();

    std::unique_ptr<CMappedTextFile> m_file;
    CTextLinesView* m_view = nullptr;
    CFindBar* m_findBar = nullptr;
    QLabel* m_status = nullptr;
    bool m_hasMatch = false;
    std::size_t m_matchLine = 0;
    std::size_t m_matchColumn = 0;
};

} // namespace workstation
