#pragma once
// Picks a DataFolder by name in a dialog's DataFolder picker, as a user's
// choice from the list does (the picker's activated signal included).
#include <string>

class QDialog;

namespace twtest {

// Reports a test failure when the dialog has no such picker or it lists no such DataFolder.
void ChooseDataFolder(QDialog& dialog, int pickerId, const std::string& name);

} // namespace twtest
