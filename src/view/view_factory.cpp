#include "view/view_factory.h"

#include "view/view.h"

std::unique_ptr<CScrollView> CreatePageView() { return std::make_unique<CPemroView>(); }
