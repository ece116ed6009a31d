#pragma once
// The find bar under a viewer's text: the text to find, Previous and Next,
// match case, and the outcome ("not found", "wrapped") said in the bar
// itself rather than in a box that would take the keyboard away.
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTimer;
class QToolButton;

namespace workstation {

class CFindBar : public QWidget {
    Q_OBJECT
public:
    explicit CFindBar(QWidget* parent = nullptr);

    // Shows the bar with the text selected and the keyboard in it.
    void Activate();
    QString Text() const;
    bool MatchCase() const;
    // The outcome of the last search; problem shows it as a failure.
    void ShowOutcome(const QString& text, bool problem);
    QString Outcome() const;
    QLineEdit* Edit() const { return m_edit; }

signals:
    // incremental: the text changed while typing; the search starts where
    // the last match starts rather than after it.
    void FindRequested(bool forward, bool incremental);
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_edit = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QLabel* m_outcome = nullptr;
    QTimer* m_typing = nullptr;
};

} // namespace workstation
