// The application error box.
#pragma once

#include <string>

// The box text for an error message: "." is appended when the message is not empty and its
// last character (a whole double-byte character where it ends with one) sorts above ".".
std::string ErrorBoxText(const std::string& message);

// Shows an error that no handler caught: caption the application title, stop icon, one OK.
void ShowErrorBox(const std::string& message);
