#pragma once
// The grey labels of a page's input rows. The label beside an input is also that input's name for
// screen readers, so a page states each label once: its text, where it is painted, what it names.

#include <span>

class CWnd;

struct PageLabel {
    int x; // left and top of the text in the page's client area
    int y;
    const char* text;
    int control = 0; // the control the label names; 0 when it names none (a unit such as "kg")
    int group = 0;   // the radio group (its first button) that belongs to the label, such as its units
};

// Gives each control that a label names the label's text as its accessible name, and each radio group
// that belongs to a label the label's text as its group name.
void NameControlsByLabels(CWnd& page, std::span<const PageLabel> labels);
