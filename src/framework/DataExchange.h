// Dialog data exchange by control id, used in DoDataExchange overrides:
//   DDX_Control(dx, IDC_MY_LIST, m_list);   // attach a control object to that control
//   DDX_Text(dx, IDC_MY_EDIT, m_name);  DDV_MaxChars(dx, m_name, 20);
//   DDX_Radio(dx, IDC_FIRST_RADIO, m_choice);  DDX_Slider(dx, IDC_MY_SLIDER, m_level);
// On load (m_bSaveAndValidate FALSE) the members fill the controls; on save the controls fill
// the members, and DDV_ checks fail the exchange.
#pragma once

#include <string>

#include "framework/UiTypes.h"

class CDataExchange;
class CWnd;

void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, std::string& value);
void DDX_Text(CDataExchange* dx, int id, int& value);      // fails on text that is no number
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Check(CDataExchange* dx, int id, int& value);     // BST_ values
// The radio group that starts at firstId (up to the next WS_GROUP control): index of the
// checked button, -1 for none.
void DDX_Radio(CDataExchange* dx, int firstId, int& index);
void DDX_LBIndex(CDataExchange* dx, int id, int& index);
void DDX_LBString(CDataExchange* dx, int id, std::string& value);       // load: prefix search
void DDX_LBStringExact(CDataExchange* dx, int id, std::string& value);  // load: exact search
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_CBString(CDataExchange* dx, int id, std::string& value);
void DDX_CBStringExact(CDataExchange* dx, int id, std::string& value);
void DDX_Slider(CDataExchange* dx, int id, int& position);

// Load: limits typing in the last prepared edit control; save: fails when value is longer.
void DDV_MaxChars(CDataExchange* dx, const std::string& value, int maxChars);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minimum, int maximum);
