// The line annotations pressed button by button: the direction of LINE2 on
// page 2100 turned by θ, and the direction numbers of LINE3 on page 357.
#include "press_table.h"

namespace {

// Sources: python3, p = cos θ and q = sin θ for θ = π/4 + 0.1 k (the
// script's direction (1, 1), the page step 0.1); LINE3's (m, n, p) =
// (0.4, 0.8, 1) from its script, 0.1 a press.
PRESS_TABLE(LinePresses, EveryButtonOfTheLinePages) {
    Run({
        {"2100", "", "p=", "0.707", "py: cos π/4"},
        {"2100", "θ增", "p=", "0.633", "py: cos(π/4 + 0.1)"},
        {"2100", "", "q=", "0.774", "py: sin(π/4 + 0.1)"},
        {"2100", "θ增*2", "q=", "0.884", "py: sin(π/4 + 0.3)"},
        {"2100", "", "p=", "0.467", "py: cos(π/4 + 0.3)"},
        {"2100", "θ减*4", "p=", "0.774", "py: cos(π/4 − 0.1)"},
        {"2100", "", "q=", "0.633", "py: sin(π/4 − 0.1)"},
        {"2100", "θ减*2", "q=", "0.467", "py: sin(π/4 − 0.3)"},
        {"357", "", "m=", "0.400", "the script"},
        {"357", "m增*3", "m=", "0.700", "hand: 0.4 + 0.3"},
        {"357", "m减", "m=", "0.600", "hand: 0.7 − 0.1"},
        {"357", "m减*2", "m=", "0.400", "hand: back to 0.4"},
        {"357", "n增", "n=", "0.900", "hand: 0.8 + 0.1"},
        {"357", "n增*2", "n=", "1.100", "hand: 0.8 + 0.3"},
        {"357", "n减*3", "n=", "0.800", "hand: back to 0.8"},
        {"357", "", "p=", "1.000", "the script"},
        {"357", "p增", "p=", "1.100", "hand: 1 + 0.1"},
        {"357", "p增*2", "p=", "1.300", "hand: 1 + 0.3"},
        {"357", "p减*4", "p=", "0.900", "hand: 1.3 − 0.4"},
        {"357", "", "n=", "0.800", "n keeps its value"},
        {"357", "open|打开投影", "m=", "0.400", "the script: the inset leaves the line as it was"},
        {"357", "", "p=", "1.000", "the script"},
    });
}

} // namespace
