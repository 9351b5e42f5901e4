// Members of CPemroView: the figure annotation commands of the script.
// Included inside the class body (view/view.h).
// clang-format off
// clang-format on
