// Members of CPemroView: the general function graph, its panels, the classical
// curves and the drawing tools. Included inside the class body (view/view.h).
// clang-format off
// clang-format on
