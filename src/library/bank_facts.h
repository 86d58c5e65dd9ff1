#pragma once

// The header's former name: library/listed_values.h.
#include "library/listed_values.h"
