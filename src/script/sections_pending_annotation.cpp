// Command sections whose routines are not built yet: each keyword of the
// chain has its section, and these do nothing until their subsystem fills
// them in (move the definition to the subsystem's file and delete it here).
// Figure annotation commands.
#include "view/view.h"

// clang-format off
void CPemroView::CmdText2(CDC*) {}
void CPemroView::CmdTextDert(CDC*) {}
void CPemroView::CmdText3(CDC*) {}
void CPemroView::CmdTextz(CDC*) {}
void CPemroView::CmdLine2(CDC*) {}
void CPemroView::CmdLINE2(CDC*) {}
void CPemroView::CmdLine3(CDC*) {}
void CPemroView::CmdLINE3(CDC*) {}
void CPemroView::CmdLine_Point(CDC*) {}
void CPemroView::CmdParabola(CDC*) {}
void CPemroView::CmdFloodfill2(CDC*) {}
void CPemroView::CmdFloodfill3(CDC*) {}
void CPemroView::CmdArc2(CDC*) {}
void CPemroView::CmdArc3(CDC*) {}
void CPemroView::CmdEllipse2(CDC*) {}
void CPemroView::CmdEllipse3(CDC*) {}
void CPemroView::CmdDots(CDC*) {}
void CPemroView::CmdVector2(CDC*) {}
void CPemroView::CmdVector3(CDC*) {}
void CPemroView::CmdBoundaryVector(CDC*) {}
void CPemroView::CmdDotVector(CDC*) {}
void CPemroView::CmdFreeVector2(CDC*) {}
void CPemroView::CmdFreeVector3(CDC*) {}
void CPemroView::CmdPLANE(CDC*) {}
void CPemroView::CmdCube(CDC*) {}
void CPemroView::CmdTangentVector(CDC*) {}
void CPemroView::CmdInnerPoint(CDC*) {}
void CPemroView::CmdB2_AC(CDC*) {}
void CPemroView::CmdBoxLine(CDC*) {}
void CPemroView::CmdRectangular(CDC*) {}
void CPemroView::Cmddots(CDC*) {}
void CPemroView::CmdPolygon(CDC*) {}
void CPemroView::CmdPolygon3(CDC*) {}
void CPemroView::CmdPrint(CDC*) {}
void CPemroView::CmdChord(CDC*) {}
void CPemroView::CmdDifferentiation(CDC*) {}
void CPemroView::CmdCurvature(CDC*) {}
// clang-format on
