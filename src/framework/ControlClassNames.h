// The system's window class names of the controls, as dialog templates spell them.
#pragma once

#define FW_CLASS_BUTTON "Button"
#define FW_CLASS_STATIC "Static"
#define FW_CLASS_EDIT "Edit"
#define FW_CLASS_LISTBOX "ListBox"
#define FW_CLASS_COMBOBOX "ComboBox"
#define FW_CLASS_SCROLLBAR "ScrollBar"
#define FW_CLASS_TRACKBAR "msctls_trackbar32"
