#pragma once
// Renders the main window once per calculator, for documentation and checks without a display.

#include <string>

class CCalorieDlg;

// Creates the main window, clicks each calculator's menu button in menu order and saves the window's
// picture after each click as food.png, exercise.png, recommend.png, bmi.png and waisthip.png in
// `directory`; then destroys the window. False when the window or a picture could not be made.
bool SaveCalculatorScreenshots(CCalorieDlg& dlg, const std::string& directory);
