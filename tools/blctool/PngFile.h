#pragma once

#include <string>
#include <variant>

#include "tools/blctool/BlcFiles.h"

class RgbPicture;

// The picture as the bytes of a PNG file (8-bit RGB, no interlacing),
// made by libpng; the reason when libpng refuses.
std::variant<std::string, FileError> EncodePng(const RgbPicture& picture);
