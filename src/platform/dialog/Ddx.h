#pragma once
// Dialog data exchange: members ↔ controls by control id, in the order DoDataExchange names them
// (the exchange itself: DataExchange.h).
// Saving (UpdateData(TRUE)): an entry that does not parse shows the short prompt once
// ("정수를 입력하십시오." for int, "숫자를 입력하십시오." for double), puts the focus on that field with
// its text selected and stops the exchange there: earlier members keep their new values, later ones
// their old ones, and UpdateData answers FALSE.
// What an entry must hold, and how members are written: DdxParse.h.

#include "platform/dialog/DdxParse.h"
#include "platform/window/DataExchange.h"

#include <string>

// Binds a member object to the control nIDC of the window (once; later calls do nothing).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
// The group runs from nIDC (its first radio button) to the next control with WS_GROUP, counting radio
// buttons only: value is the index of the checked one, -1 when none; writing checks that one.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
