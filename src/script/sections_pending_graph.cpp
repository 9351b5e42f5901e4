// Command sections whose routines are not built yet: each keyword of the
// chain has its section, and these do nothing until their subsystem fills
// them in (move the definition to the subsystem's file and delete it here).
// Curve commands of the general function graph.
#include "view/view.h"

// clang-format off
void CPemroView::CmdProjDomain(CDC*) {}
void CPemroView::CmdCurve(CDC*) {}
void CPemroView::Cmdcurve(CDC*) {}
void CPemroView::CmdcurveDert(CDC*) {}
void CPemroView::CmdDAlembert(CDC*) {}
void CPemroView::CmdNormalCurve(CDC*) {}
void CPemroView::CmdToolbarData(CDC*) {}
// clang-format on
