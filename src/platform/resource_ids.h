#pragma once
// The one table of the program's template, control and command identifiers.
// A number names one thing per window; the main window's header edits show a
// budget's fields on budget tabs and the farm's on the summary tab.

// Templates.
inline constexpr int kMenuMain = 102;
inline constexpr int kDialogAbout = 111;
inline constexpr int kDialogSetup = 113;
inline constexpr int kDialogAnalysis = 117;
inline constexpr int kDialogImport = 118;
inline constexpr int kDialogMain = 119;
inline constexpr int kDialogMachine = 120;
inline constexpr int kDialogExpenses = 121;
inline constexpr int kDialogInterest = 123;
inline constexpr int kDialogBuildings = 124;
inline constexpr int kDialogPrintReport = 125;
inline constexpr int kDialogRetainedLivestock = 132;
inline constexpr int kDialogPurchasedLivestock = 133;
inline constexpr int kDialogVeterinary = 137;

// Labels and controls without a number of their own.
inline constexpr int kIdStatic = -1;

// Main window controls.
enum MainControl : int {
  kIdcMachineButton = 1067,
  kIdcExpensesButton = 1068,
  kIdcTabStrip = 1062,
  kIdcGrid = 1500,
  kIdcLabelId = 1083,
  kIdcEditIdOrName = 1071,  // budget / publication ID; the farm's name on the summary tab
  kIdcLabelTitle = 1080,
  kIdcEditTitleOrPhone = 1070,  // budget title; the farm's phone on the summary tab
  kIdcLabelHerdUnit = 1081,
  kIdcComboHerdUnit = 1009,
  kIdcEditAddress = 1073,
  kIdcLabelUnits = 1123,
  kIdcEditUnits = 1079,
  kIdcLabelFootnote = 1082,
  kIdcEditFootnote = 1069,
  kIdcRadioWholeFarm = 1090,
  kIdcRadioOperating = 1091,
  kIdcOptions = 1104,
  kIdcInstructions = 1011,
};

// Menu and popup-menu commands of the main window.
enum MainCommand : int {
  kCmdNew = 57600,
  kCmdOpen = 57601,
  kCmdSave = 57603,
  kCmdSaveAs = 40009,
  kCmdInsertTab = 40012,
  kCmdImport = 40011,
  kCmdPrint = 57607,
  kCmdExit = 40006,
  kCmdInterest = 40020,
  kCmdExpenses = 1068,
  kCmdMachinery = 1067,
  kCmdBuildings = 40019,
  kCmdVeterinary = 40021,
  kCmdPurchasedLivestock = 40022,
  kCmdRetainedLivestock = 40023,
  kCmdUsersGuide = 1138,
  kCmdAbout = 40001,
  kCmdBreakeven = 1063,
  kCmdSensitivity = 1064,
  kCmdShowTab = 1089,
  kCmdDeleteTab = 1092,
  kCmdCopyTab = 1093,
  kCmdPrintTab = 1094,
  kCmdRecentFile1 = 57616,  // the File menu's recent documents follow one another
  kCmdRecentFile8 = 57623,
};

// Row commands of every grid's right-click menu.
enum RowCommand : int {
  kCmdDelete = 1050,
  kCmdCopy = 1051,
  kCmdCut = 1052,
  kCmdPaste = 1053,
  kCmdInsertLine = 1088,
  kCmdAddHeading = 1114,
  kCmdUndo = 57643,
  kCmdRedo = 57644,
};

// Operating interest dialog.
enum InterestControl : int {
  kIdcInterestBudget = 1083,
  kIdcInterestRate = 1085,
  kIdcInterestMonths = 1087,
  kIdcInterestSpin = 1105,
  kIdcInterestText = 1011,
};

// The whole-farm windows; their row commands are the budget grid's
// (kCmdInsertLine...) plus these.
enum WholeFarmControl : int {
  kIdcListGrid = 1099,
  kIdcListInstructions = 1011,
  kIdcCopyValues = 1077,
  kCmdCopyList = 1093,
  kCmdPrintList = 1112,
  kCmdPrintListDetail = 1113,
};

// The machinery and livestock windows (template 120); the instruction text and
// the button are those of the other list windows.
enum CapitalListControl : int {
  kIdcCapitalGrid = 1078,
  kIdcCapitalTabs = 1062,
  kIdcOverheadLabel1 = 1080,
  kIdcOverheadEdit1 = 1106,
  kIdcOverheadLabel2 = 1081,
  kIdcOverheadEdit2 = 1107,
  kIdcOverheadLabel3 = 1082,
  kIdcOverheadEdit3 = 1108,
  kIdcOverheadLabel4 = 1109,
  kIdcOverheadEdit4 = 1110,
  kIdcOverheadLabel5 = 1067,
  kIdcOverheadEdit5 = 1111,
};

// The analysis window (template 117) and its commands.
enum AnalysisControl : int {
  kCmdSetAnalysisBudget = 1095,
  kIdcAnalysisBaseCrop = 1200,
  kIdcAnalysisYieldLabel = 1201,
  kIdcAnalysisYield = 1202,
  kIdcAnalysisYieldSpin = 1203,
  kIdcAnalysisPriceLabel = 1204,
  kIdcAnalysisPrice = 1205,
  kIdcAnalysisPriceSpin = 1206,
  kIdcAnalysisText = 1207,
  kIdcAnalysisHint = 1208,
  kIdcAnalysisSelectLine = 1209,
  kIdcAlternativeLabel1 = 1210,  // the four labels follow one another
  kIdcAlternative1 = 1214,       // and so do the four lists
  kCmdCopyAnalysis = 1220,
  kCmdPrintAnalysis = 1221,
};

// The Print Report dialog: a check box per section of the report.
enum PrintReportControl : int {
  kIdcPrintSummary = 1150,
  kIdcPrintOperatingSummary = 1151,
  kIdcPrintExpenses = 1152,
  kIdcPrintMachinery = 1153,
  kIdcPrintBuildings = 1154,
  kIdcPrintVeterinary = 1155,
  kIdcPrintPurchasedLivestock = 1156,
  kIdcPrintRetainedLivestock = 1157,
  kIdcPrintBudgets = 1158,
};

// About dialog.
enum AboutControl : int {
  kIdcAboutNotice = 1041,
  kIdcAboutContributors = 1042,
  kIdcAboutVersion = 1043,
  kIdcAboutDepartment = 1044,
  kIdcAboutGoToSite = 1045,
};

// Budget import dialog.
enum ImportControl : int {
  kIdcImportStatus = 1076,
  kIdcImportList = 1040,
  kIdcImportOtherFiles = 1071,
};

// Setup dialog.
enum SetupControl : int {
  kIdcSetupNotice = 1041,
  kIdcSetupCanDo = 1038,
  kIdcSetupTarget = 1137,
  kIdcSetupMore = 1037,
  kIdcSetupAbout = 1047,
  kIdcSetupChange = 1136,
};
