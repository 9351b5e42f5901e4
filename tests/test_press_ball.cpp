// The rolling-ball page 381 pressed button by button: each parameter of the
// motion after its steps, from the values the script gives (x0 = −2.5,
// h = 0.1, μ = 0.1), λ = 1, a run of t = 4 and the page step 0.1.
#include "press_table.h"

namespace {

using press_table::Row;

class BallPresses : public press_table::PressTable {};

// Sources: hand, x ± 0.1 per press (μ ± 0.1 × 0.1), h and t doubled or halved.
TEST_F(BallPresses, EveryButtonOfPage381) {
    Run({
        {"381", "λ减", "转动系数λ:", "0.900", "hand: 1 − 0.1"},
        {"381", "λ减*2", "转动系数λ:", "0.700", "hand: 1 − 0.3"},
        {"381", "λ增", "转动系数λ:", "0.800", "hand: 0.7 + 0.1"},
        {"381", "λ增*2", "转动系数λ:", "1.000", "hand: back to 1"},
        {"381", "λ增", "转动系数λ:", "1.000", "hand: pure rolling, λ at most 1"},
        {"381", "cm制", "重力加速度g:", "980.000", "cm/s²"},
        {"381", "m制", "重力加速度g:", "9.800", "m/s²"},
        {"381", "x0左移*3", "初始点x0:", "-2.800", "hand: −2.5 − 0.3"},
        {"381", "x0右移", "初始点x0:", "-2.700", "hand: −2.8 + 0.1"},
        {"381", "x0右移*2", "初始点x0:", "-2.500", "hand: back to −2.5"},
        {"381", "初速增", "初始速:", "0.100", "hand: 0 + 0.1"},
        {"381", "初速增*2", "初始速:", "0.300", "hand: 0 + 0.3"},
        {"381", "初速减", "初始速:", "0.200", "hand: 0.3 − 0.1"},
        {"381", "初速减*2", "初始速:", "0.000", "hand: back to 0"},
        {"381", "μ增", "阻尼系数μ:", "0.110", "hand: 0.1 + 0.01"},
        {"381", "μ增*2", "阻尼系数μ:", "0.130", "hand: 0.1 + 0.03"},
        {"381", "μ减*3", "阻尼系数μ:", "0.100", "hand: back to 0.1"},
        {"381", "h增", "迭代步长h:", "0.200", "hand: 0.1 × 2"},
        {"381", "h增*2", "迭代步长h:", "0.800", "hand: 0.1 × 8"},
        {"381", "h减", "迭代步长h:", "0.400", "hand: 0.8 / 2"},
        {"381", "h减*2", "迭代步长h:", "0.100", "hand: back to 0.1"},
        {"381", "t增", "t:", "8.000", "hand: 4 × 2"},
        {"381", "t增*2", "t:", "32.000", "hand: 4 × 8"},
        {"381", "t减", "t:", "16.000", "hand: 32 / 2"},
        {"381", "t减*2", "t:", "4.000", "hand: back to 4"},
    });
}

} // namespace
