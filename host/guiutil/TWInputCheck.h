#pragma once
// The host's check of a name typed or picked in a window before it is used as
// a file or folder name: trimmed, and refused with a message when it is empty,
// holds characters no file name may hold, or is longer than a name can be.
#include <string>

class QWidget;

class TWInputCheck {
public:
    // window: a combo box (its current text). label names the thing in the
    // messages ("DataFolder"); prompt is shown for an empty name. With show
    // false nothing is said. Returns the trimmed text, or empty when unusable.
    static std::string CheckFileNameComboBox(QWidget* window, const std::string& label,
                                             const std::string& prompt, bool show);
    // The same for an edit; both read any window's text (combo box or edit).
    static std::string CheckFileNameBox(QWidget* window, const std::string& label,
                                        const std::string& prompt, bool show);
    // The rule itself: the trimmed text, or empty with problem set. Separators
    // are allowed: a linked DataFolder is named by its folder path.
    static std::string CheckFileName(const std::string& text, const std::string& label,
                                     const std::string& prompt, std::string& problem);
};
