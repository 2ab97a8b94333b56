#pragma once

// The pictures of the built-in skin: the artwork library when it is part of the tree, else flat
// stand-ins (see CMakeLists.txt).
#ifdef PLIVANT_PLACEHOLDER_ARTWORK
#include "PlaceholderArtwork.h"
#else
#include "art/Artwork.h"
#endif
