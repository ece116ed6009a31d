#pragma once
// The browser's tab control (id 475): a tab with an icon per kind of data.
// A right-button click selects the tab under the pointer and tells the owner;
// a left click brings the tab's form up to date.
#include <QTabWidget>

#include <functional>

class CTWDatafolderTabControl : public QTabWidget {
public:
    explicit CTWDatafolderTabControl(QWidget* parent = nullptr);

    // Told after a right-button release selected a tab (or hit none: -1).
    void SetOnRightClick(std::function<void(int tab, const QPoint& globalPoint)> handler)
    {
        m_onRightClick = std::move(handler);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(int, const QPoint&)> m_onRightClick;
};
