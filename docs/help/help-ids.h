/* Context ids of the help topics: the wizard asks for these numbers when Help is pressed. */
#define IDH_CHOOSE_TASK 1
#define IDH_CHOOSE_PRINTER 2
#define IDH_COLOUR_START 3
#define IDH_GAMMA_START 4
#define IDH_COLOUR_BALANCE 5
#define IDH_SAVE_SETTING 6
#define IDH_GAMMA 7
#define IDH_STORED_SETTINGS 8
