// The skin generator draws with the shared picture helpers under their own names.
#pragma once

#include "tools/art/Art.h"

namespace skingen {
using namespace art;
} // namespace skingen
