#pragma once

// The header's former place: formats/text.h.
#include "formats/text.h"
