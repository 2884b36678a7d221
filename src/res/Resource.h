#pragma once
// Named ids of the program's bitmaps, icon, strings, dialog templates and controls, for the program's code
// to use.

// Icon
inline constexpr int IDI_MAINFRAME = 128;          // program icon, several sizes (IconImages in platform/core/Resources.h)

// Bitmaps (ids 135, 137 and 140 are not pictures)
inline constexpr int IDB_SKIN = 129;               // 780 x 530 main-window face
inline constexpr int IDB_TAB_DIARY = 130;          // index-tab strips, three 78 x 63 frames
inline constexpr int IDB_TAB_BODY = 131;
inline constexpr int IDB_TAB_RELAY = 132;
inline constexpr int IDB_TAB_SHOP = 133;
inline constexpr int IDB_MENU_SELECTED = 134;      // plate of the selected menu button, 106 x 47
inline constexpr int IDB_FOOD_HEADER = 136;        // food page column header, 446 x 28
inline constexpr int IDB_BTN_OK = 138;             // three 33 x 20 frames
inline constexpr int IDB_BTN_RESET = 139;          // "다시하기", three 55 x 20 frames
inline constexpr int IDB_TITLE_FOOD = 141;         // page titles, 154 x 31
inline constexpr int IDB_TITLE_EXERCISE = 142;
inline constexpr int IDB_TITLE_RECOMMEND = 143;
inline constexpr int IDB_TITLE_BMI = 144;
inline constexpr int IDB_TITLE_WAISTHIP = 145;
inline constexpr int IDB_BTN_DELETE = 146;         // "선택된 항목 삭제", three 97 x 20 frames
inline constexpr int IDB_BTN_MINIMIZE = 147;       // three 13 x 13 frames
inline constexpr int IDB_BTN_CLOSE = 148;          // three 13 x 13 frames

// Strings
inline constexpr int IDS_ABOUTBOX = 101;           // system-menu entry of the about box
inline constexpr int IDS_APP_TITLE = 0xE000;       // application title of message boxes

// Dialog templates (res/DialogTemplates.cpp)
inline constexpr int IDD_ABOUTBOX = 100;           // about box
inline constexpr int IDD_CALORIE_DIALOG = 102;     // main window
inline constexpr int IDD_FOOD_FORM = 135;          // food page form
inline constexpr int IDD_BANNER_HOST = 140;        // banner strip host
inline constexpr int IDD_EXERCISE = 141;           // exercise page
inline constexpr int IDD_RECOMMEND = 142;          // recommended-calorie page
inline constexpr int IDD_BMI = 143;                // BMI page
inline constexpr int IDD_WAISTHIP = 144;           // waist-to-hip page
inline constexpr int IDD_FOOD_TOTAL = 145;         // food total bar
inline constexpr int IDD_FOOD_FINDER = 150;        // the food page's dish finder (Ctrl+F)

// System-menu command of the about box (the platform keeps the low four bits of system commands)
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;

// The about box's two text lines
inline constexpr int IDC_ABOUT_VERSION = 1110;
inline constexpr int IDC_ABOUT_NOTE = 1111;

// Main window: the link buttons (index tabs) and the menu buttons
inline constexpr int IDC_DIARY = 1000;
inline constexpr int IDC_BODY = 1001;
inline constexpr int IDC_RELAY = 1002;
inline constexpr int IDC_MALL = 1003;
inline constexpr int IDC_MENU_FOOD = 1004;
inline constexpr int IDC_MENU_EXERCISE = 1005;
inline constexpr int IDC_MENU_RECOMMEND = 1006;
inline constexpr int IDC_MENU_BMI = 1007;
inline constexpr int IDC_MENU_WAISTHIP = 1008;

// The main window's food page (a form view, not a control of template 102)
inline constexpr int IDC_FOOD_VIEW = 10002;

// The banner host's browser view
inline constexpr int IDC_BANNER_VIEW = 125;

// Page controls. A number may name a different control on another page: 1024 is the exercise page's
// delete button and the male radio button elsewhere, 1027 the age edit and the waist's inch button.
inline constexpr int IDC_WEIGHT = 1019;       // exercise, recommended-calorie and BMI pages (kg)
inline constexpr int IDC_MINUTES = 1020;      // exercise page
inline constexpr int IDC_EXERCISE = 1021;     // exercise page: the list of exercises
inline constexpr int IDC_OK = 1022;           // every calculating page
inline constexpr int IDC_LOG = 1023;          // exercise page: the report list of what was done
inline constexpr int IDC_DELETE = 1024;       // exercise page: "선택된 항목 삭제"
inline constexpr int IDC_MALE = 1024;         // first radio button of the sex group
inline constexpr int IDC_FEMALE = 1025;
inline constexpr int IDC_HEIGHT = 1026;       // recommended-calorie and BMI pages (cm)
inline constexpr int IDC_AGE = 1027;          // recommended-calorie page
inline constexpr int IDC_WAIST_INCH = 1027;   // waist-to-hip page: the waist's unit group
inline constexpr int IDC_WAIST_CM = 1028;
inline constexpr int IDC_HIP = 1029;          // waist-to-hip page
inline constexpr int IDC_WAIST = 1032;        // waist-to-hip page
inline constexpr int IDC_HIP_INCH = 1033;     // waist-to-hip page: the hip's unit group
inline constexpr int IDC_HIP_CM = 1034;
inline constexpr int IDC_RESET = 1051;        // food total bar: "다시 하기"
inline constexpr int IDC_FINDER_NAME = 1060;  // dish finder: what is typed
inline constexpr int IDC_FINDER_MATCHES = 1061; // dish finder: the dishes that answer to it

// Food form: row N's dish box and portion box (the food catalogue's DishBoxId and PortionBoxId of row N).
// The portion boxes skip 1045, which no control of the form has.
inline constexpr int IDC_DISH1 = 1001;
inline constexpr int IDC_DISH2 = 1002;
inline constexpr int IDC_DISH3 = 1003;
inline constexpr int IDC_DISH4 = 1004;
inline constexpr int IDC_DISH5 = 1005;
inline constexpr int IDC_DISH6 = 1006;
inline constexpr int IDC_DISH7 = 1007;
inline constexpr int IDC_DISH8 = 1008;
inline constexpr int IDC_DISH9 = 1009;
inline constexpr int IDC_DISH10 = 1010;
inline constexpr int IDC_DISH11 = 1011;
inline constexpr int IDC_DISH12 = 1012;
inline constexpr int IDC_DISH13 = 1013;
inline constexpr int IDC_DISH14 = 1014;
inline constexpr int IDC_DISH15 = 1015;
inline constexpr int IDC_DISH16 = 1016;
inline constexpr int IDC_PORTION1 = 1017;
inline constexpr int IDC_PORTION2 = 1019;
inline constexpr int IDC_PORTION3 = 1021;
inline constexpr int IDC_PORTION4 = 1023;
inline constexpr int IDC_PORTION5 = 1025;
inline constexpr int IDC_PORTION6 = 1027;
inline constexpr int IDC_PORTION7 = 1029;
inline constexpr int IDC_PORTION8 = 1031;
inline constexpr int IDC_PORTION9 = 1033;
inline constexpr int IDC_PORTION10 = 1035;
inline constexpr int IDC_PORTION11 = 1037;
inline constexpr int IDC_PORTION12 = 1039;
inline constexpr int IDC_PORTION13 = 1041;
inline constexpr int IDC_PORTION14 = 1043;
inline constexpr int IDC_PORTION15 = 1047;
inline constexpr int IDC_PORTION16 = 1049;
