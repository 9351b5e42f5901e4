// The 函数 and 对话框 menus as data: the catalogue selections, the parameter
// dialogs, the side-surface choice and the range steps, each row with its
// place, text, command id and the view member it runs. Rows use the types of
// view/menu_tables.h, so the menu bar and the command routing take them like
// the view's other commands.
//
// Items that stand in several menus (the catalogue items of the differential
// equation menus) carry the same id as in their home menu and run the same
// handler.
#pragma once

#include "view/menu_tables.h"

#include <vector>

// Id blocks: the base plus the form number, mode or step index.
constexpr UINT ID_CATALOG_F = 36000;             // + form 0..82
constexpr UINT ID_CATALOG_UPPER = 36100;         // + form 0..70
constexpr UINT ID_CATALOG_LOWER = 36200;         // + form 0..70
constexpr UINT ID_CATALOG_PARAMETRIC = 36300;    // + 1..20
constexpr UINT ID_CATALOG_IMPLICIT = 36330;      // + 1..23
constexpr UINT ID_CATALOG_SURFACE_UPPER = 36400; // + 1..21
constexpr UINT ID_CATALOG_SURFACE_LOWER = 36430; // + 1..21
constexpr UINT ID_CATALOG_SECOND_ORDER = 36460;  // + 1..6 for P1..P6
constexpr UINT ID_CATALOG_COMBINATION = 36470;   // + mode 0..4
constexpr UINT ID_CATALOG_EXTENSION = 36480;     // + kFuncFPeriodic..kFuncFPlain
constexpr UINT ID_SIDE_SURFACES = 36485;         // + mode 0..2
constexpr UINT ID_PREVIOUS_FUNCTION = 36490;
constexpr UINT ID_RANGE_STEP = 36500; // + 0..15, in the order of the members
constexpr UINT ID_DIALOG_ONE_VARIABLE = 36520;
constexpr UINT ID_DIALOG_UPPER_CURVE = 36521;
constexpr UINT ID_DIALOG_LOWER_CURVE = 36522;
constexpr UINT ID_DIALOG_UPPER_SURFACE = 36523;
constexpr UINT ID_DIALOG_LOWER_SURFACE = 36524;
constexpr UINT ID_DIALOG_DATA_X = 36525;
constexpr UINT ID_DIALOG_DATA_Y = 36526;
constexpr UINT ID_DIALOG_RANGE = 36527;
constexpr UINT ID_DIALOG_PARAMS = 36528;
constexpr UINT ID_DIALOG_CURVE_PARAMS = 36529;
constexpr UINT ID_DIALOG_LINEAR_SYSTEM = 36530; // no menu item

// Every row in menu order (函数, then 对话框, then 设置), followed by the
// commands reached by id only. Separators have a null text and id 0.
const std::vector<CommandRow>& CatalogCommandRows();

// The row that runs `id` (the first row that carries it), or null.
const CommandRow* FindCatalogRow(UINT id);
