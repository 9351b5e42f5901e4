// The main toolbar's buttons: ids, texts and their 16 x 16 pictures.
#pragma once

#include "platform/types.h"

#include <QIcon>

enum class ToolIcon {
    New,
    Open,
    About,
    Line,
    Vector,
    PointVector,
    ParabolaUpDown,
    ParabolaLeftRight,
    Dot,
    Ellipse,
    EllipseRight,
    InputOff,
    BorderColour,
    InteriorColour,
    PlaneCmdsOn,
    PlaneCmdsOff,
    LinesOff,
    StepIncrease,
    StepDecrease
};

struct ToolButton {
    UINT nID;
    ToolIcon icon;
    const char* tip;    // tooltip (UTF-8)
    const char* prompt; // status bar text (UTF-8)
};

// After New, Open and About and a separator, in toolbar order.
extern const ToolButton kViewToolButtons[16];
// New, Open and About.
extern const ToolButton kFileToolButtons[3];

QIcon MakeToolIcon(ToolIcon icon);
