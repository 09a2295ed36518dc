// A view that does nothing, for benchmarks that measure the work behind the window: each benchmark
// overrides what it needs to keep.
#pragma once

#include "shared/NullView.h"

class QuietView : public NullView {};
