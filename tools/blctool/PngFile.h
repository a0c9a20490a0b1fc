// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <variant>

#include "tools/blctool/BlcFiles.h"

class RgbPicture;

// The picture as the bytes of a PNG file (8-bit RGB, no interlacing),
// made by libpng; the reason when libpng refuses.
std::variant<std::string, FileError> EncodePng(const RgbPicture& picture);
