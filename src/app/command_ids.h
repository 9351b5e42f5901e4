// Command ids of menus and toolbar buttons. The frame routes every command
// by its id: its own commands below are handled by the frame, every other id
// goes to the active view (CScrollView::OnCommand).
#pragma once

#include "platform/types.h"

// The frame's own commands (the framework's standard ids).
constexpr UINT ID_FILE_NEW = 0xE100;
constexpr UINT ID_FILE_OPEN = 0xE101;
constexpr UINT ID_FILE_SAVE = 0xE103;
constexpr UINT ID_FILE_PRINT_SETUP = 0xE106;
constexpr UINT ID_FILE_PRINT = 0xE107;
constexpr UINT ID_FILE_PRINT_PREVIEW = 0xE109;
constexpr UINT ID_FILE_MRU_FILE1 = 0xE110; // .. + 3
constexpr UINT ID_WINDOW_ARRANGE = 0xE131;
constexpr UINT ID_WINDOW_CASCADE = 0xE132;
constexpr UINT ID_WINDOW_TILE_HORZ = 0xE133;
constexpr UINT ID_APP_ABOUT = 0xE140;
constexpr UINT ID_APP_EXIT = 0xE141;

// The view's drawing-tool and script-command buttons on the toolbar.
constexpr UINT ID_TOOL_LINE = 33544;
constexpr UINT ID_TOOL_VECTOR = 33560;
constexpr UINT ID_TOOL_POINT_VECTOR = 33564;
constexpr UINT ID_TOOL_PARABOLA_UPDOWN = 33572;
constexpr UINT ID_TOOL_PARABOLA_LEFTRIGHT = 33573;
constexpr UINT ID_TOOL_DOT = 33556;
constexpr UINT ID_TOOL_ELLIPSE = 33559;
constexpr UINT ID_TOOL_ELLIPSE_RIGHT = 33558;
constexpr UINT ID_TOOL_INPUT_OFF = 33570;
constexpr UINT ID_TOOL_BORDER_COLOUR = 33549;
constexpr UINT ID_TOOL_INTERIOR_COLOUR = 33626;
constexpr UINT ID_PLANE_CMDS_ON = 33712;
constexpr UINT ID_PLANE_CMDS_OFF = 33710;
constexpr UINT ID_TOOL_OFF = 33547;
constexpr UINT ID_PARAM_STEP_INCREASE = 33690;
constexpr UINT ID_PARAM_STEP_DECREASE = 33691;
