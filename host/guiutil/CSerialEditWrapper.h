#pragma once
// The result editor with its formatting toolbar: bold, italic, underline,
// text colour, highlight colour, font size and "clear format". The toolbar's
// buttons follow the format at the cursor. Colours are chosen in a colour
// dialog run through platform::RunModal.
#include <QWidget>

#include <string>

class CSerialEdit;
class QAction;
class QColor;
class QComboBox;
class QTextCharFormat;
class QToolBar;

class CSerialEditWrapper : public QWidget {
public:
    // Control ids of the toolbar's buttons and the editor.
    static constexpr int kIdcBold = 3801;
    static constexpr int kIdcItalic = 3802;
    static constexpr int kIdcUnderline = 3803;
    static constexpr int kIdcTextColour = 3804;
    static constexpr int kIdcHighlight = 3805;
    static constexpr int kIdcFontSize = 3806;
    static constexpr int kIdcClearFormat = 3807;
    static constexpr int kIdcEdit = 3808;

    explicit CSerialEditWrapper(QWidget* parent = nullptr);
    ~CSerialEditWrapper() override;

    // Sets the editor's monospace family and default size.
    void Init(const std::string& fontFamily, int pointSize = 12);

    CSerialEdit* GetEdit() const { return m_edit; }
    QToolBar* GetToolBar() const { return m_toolBar; }

private:
    QAction* AddAction(const QString& icon, const QString& text, int id, bool checkable);
    void ChooseColour(bool highlight);
    void ShowFormat(const QTextCharFormat& format);

    CSerialEdit* m_edit = nullptr;
    QToolBar* m_toolBar = nullptr;
    QAction* m_bold = nullptr;
    QAction* m_italic = nullptr;
    QAction* m_underline = nullptr;
    QComboBox* m_size = nullptr;
};
