// The menu window's template: an 800 × 600 window with the title and author
// lines at the top, the board the entries are drawn on, and the maker's web
// address over the board's lower left corner.

#include "package/menu_package.h"
#include "player/menu_player.h"

using namespace platform;

const char* const playerCaption = "VYR光盘自动播放菜单";

static const int bold = 700, normal = 400;

static const BoardStyle entryLook = {rgb(0, 224, 128), 5, rgb(0, 48, 91), rgb(255, 255, 196)};

static const ControlSpec menuControls[] = {
    {titleLabel, ControlKind::TransparentLabel, 48, 16, 704, 32, "", true, false, {"黑体", 32, bold, true},
     rgb(255, 255, 0), Align::Left, true, Pointer::Default, nullptr},
    {authorLabel, ControlKind::TransparentLabel, 80, 56, 640, 24, "", true, false, {"宋体", 24, bold, true},
     rgb(255, 0, 0), Align::Right, true, Pointer::Default, nullptr},
    {menuBoard, ControlKind::DrawingBoard, 0, 100, 800, 492, nullptr, true, false, {"宋体", 12, bold, true}, 0,
     Align::Left, false, Pointer::Board, &entryLook},
    {webAddressLabel, ControlKind::TransparentLabel, 0, 552, 80, 16, makerDomain, true, false,
     {nullptr, 0, normal, false}, rgb(255, 0, 0), Align::Centre, false, Pointer::Hand, nullptr},
};

const WindowSpec menuWindow = {playerCaption, 800, 600, false, rgb(55, 0, 96), menuControls,
                               sizeof menuControls / sizeof menuControls[0]};

static void onMenuMousePressed(ControlId control, int x, int y, int modifiers) {
    if (control == menuBoard) onMenuBoardPressed(x, y, modifiers);
    if (control == webAddressLabel) onWebAddressLabelPressed(x, y, modifiers);
}

const WindowEvents menuWindowEvents = {onMenuWindowCreated, nullptr, nullptr, onMenuKeyPressed, nullptr,
                                       onMenuMousePressed, nullptr};
