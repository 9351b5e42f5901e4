// Creates the page view of a new child window.
#pragma once

#include "platform/scroll_view.h"

#include <memory>

std::unique_ptr<CScrollView> CreatePageView();
