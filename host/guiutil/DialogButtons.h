#pragma once
// The OK and Cancel buttons of the host's template dialogs: ids 1 and 2 as in
// the templates, wired to accept() and reject().
class QDialog;
class QDialogButtonBox;

namespace guiutil {

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// A button box owned by dialog; the caller places it in the layout.
QDialogButtonBox* MakeOkCancelButtons(QDialog* dialog);

} // namespace guiutil
