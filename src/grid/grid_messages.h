#pragma once
// The grid's message and notification numbers, and the cell address they carry.

#include <cstdint>

struct GridCell {
  std::int32_t row = 0;
  std::int32_t col = 0;
};

inline constexpr int kGridMaxRows = 32000;
inline constexpr int kGridMaxCols = 256;
// Characters an edit in progress can hold, whatever a column allows.
inline constexpr int kGridEditMaxChars = 304;

enum GridMessage : unsigned {
  GM_PROTECTCELL = 1025,
  GM_SETPROTECTDEFAULT = 1026,
  GM_SETCELL = 1027,
  GM_GETCELL = 1028,
  GM_CLEAR = 1029,
  GM_SETDIMENSIONS = 1030,
  GM_DELETECELL = 1031,
  GM_SETCURSOR = 1032,
  GM_SETAUTOROW = 1033,
  GM_GETOWNERDRAWITEM = 1034,
  GM_SETCOLWIDTH = 1035,
  GM_SETHEADERHEIGHT = 1036,
  GM_GETCELLTYPE = 1037,
  GM_GETPROTECTION = 1038,
  GM_DRAWCURSOR = 1039,
  GM_SETROWHEIGHT = 1040,
  GM_SETCURSORCOLOR = 1041,
  GM_SETPROTECTCOLOR = 1042,
  GM_SETUNPROTECTCOLOR = 1043,
  GM_SETROWSNUMBERED = 1044,
  GM_SETCOLSNUMBERED = 1045,
  GM_SETROWHIGHLIGHT = 1046,
  GM_GETROWS = 1047,
  GM_GETCOLS = 1048,
  GM_NOTIFYROWCHANGE = 1049,
  GM_NOTIFYCOLCHANGE = 1050,
  GM_GETCURSORROW = 1051,
  GM_GETCURSORCOL = 1052,
  GM_REPAINT = 1053,
  GM_GETCOLWIDTH = 1054,
  GM_GETROWHEIGHT = 1055,
  GM_GETHEADERHEIGHT = 1056,
  GM_SETTITLEHEIGHT = 1057,
  GM_SETHIGHLIGHTCOLOR = 1058,
  GM_SETHIGHLIGHTTEXTCOLOR = 1059,
  GM_SETEDITABLE = 1060,
  GM_SETGRIDLINECOLOR = 1061,
  GM_EXTENDLASTCOLUMN = 1062,
  GM_SETINTEGRALROWS = 1063,
  GM_SETELLIPSIS = 1064,
  GM_SETCOLAUTOWIDTH = 1065,
  GM_SETCOLRESIZE = 1066,
  GM_SETTITLEFONT = 1067,
  GM_SETHEADINGFONT = 1068,
  GM_SETCOLMAXCHARS = 1069,
  GM_GETTOPLEFT = 1070,
  GM_SETTOPLEFT = 1071,
};

enum GridNotification : int {
  GN_OUTOFRANGE = 3,
  GN_OWNERDRAW = 4,
  GN_SELCHANGE = 5,
  GN_ROWCHANGED = 6,
  GN_COLCHANGED = 7,
  GN_EDITBEGIN = 8,
  GN_DELETEKEY = 9,
  GN_EDITEND = 10,
  GN_F1 = 11,
  GN_F12 = 22,
  GN_GOTFOCUS = 23,
  GN_LOSTFOCUS = 24,
  GN_CELLCLICKED = 25,
  GN_CONTEXTMENU = 32,
  GN_DBLCLICK = 33,
};

// Cell types as GM_GETCELLTYPE answers them.
enum GridCellType : int {
  kCellNone = 0,
  kCellText = 1,       // "A"
  kCellNumber = 2,     // "N"
  kCellTrue = 3,       // "T"
  kCellFalse = 4,      // "F"
  kCellOwnerDraw = 5,  // "G"
};

// Colours as 0x00BBGGRR, the system's own layout.
using GridColor = std::uint32_t;
constexpr GridColor GridRgb(int r, int g, int b) {
  return static_cast<GridColor>(r) | (static_cast<GridColor>(g) << 8) |
         (static_cast<GridColor>(b) << 16);
}

// lParam of a notification that carries the cursor cell.
constexpr std::intptr_t PackRowCol(int row, int col) {
  return static_cast<std::intptr_t>((row & 0xFFFF) | ((col & 0xFFFF) << 16));
}
constexpr int PackedRow(std::intptr_t packed) { return static_cast<int>(packed & 0xFFFF); }
constexpr int PackedCol(std::intptr_t packed) { return static_cast<int>((packed >> 16) & 0xFFFF); }
