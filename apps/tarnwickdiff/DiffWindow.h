#pragma once
// TarnwickDiff's main window: the side-by-side view with its toolbar, menus
// and status bar ("3 of 12 changes"). It loads and compares the two files
// and tells the user, through the platform's prompter, when it cannot.
#include "apps/tarnwickdiff/core/DiffArguments.h"

#include <QMainWindow>

#include <cstddef>
#include <memory>
#include <string>

class QAction;
class QLabel;

namespace tarnwickdiff {

class CDiffDocument;
class CDiffView;

class CDiffWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit CDiffWindow(QWidget* parent = nullptr);
    ~CDiffWindow() override;

    // Loads and compares the files; false after telling the user why not.
    bool Open(const DiffArguments& arguments);
    // Shows a document opened elsewhere (main opens it while Qt starts), or
    // tells the user why it could not be: false then.
    bool ShowDocument(const DiffArguments& arguments, std::unique_ptr<CDiffDocument> document,
                      const std::string& failure);

    CDiffView& View() { return *m_view; }
    const CDiffDocument* Document() const { return m_document.get(); }
    // The status bar's change position, e.g. "3 of 12 changes".
    QString ChangeStatus() const;

public slots:
    void Reload();
    void SetIgnoreWhitespace(bool ignore);

signals:
    void FirstScreenPainted();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateActions();
    // The first file's line at the top of the view.
    std::size_t TopLine() const;
    // Lays out the document anew, scrolled to that line.
    void Compare(std::size_t topLine);
    void Present(bool keepPosition);
    void UpdateStatus();
    void ShowAbout();

    std::unique_ptr<CDiffDocument> m_document;
    DiffArguments m_arguments;
    CDiffView* m_view = nullptr;
    QAction* m_next = nullptr;
    QAction* m_previous = nullptr;
    QAction* m_first = nullptr;
    QAction* m_last = nullptr;
    QAction* m_ignoreWhitespace = nullptr;
    QAction* m_reload = nullptr;
    QLabel* m_position = nullptr;
    QLabel* m_whitespaceNote = nullptr;
    bool m_goToFirstChange = false;
};

} // namespace tarnwickdiff
