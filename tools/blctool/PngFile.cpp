// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/blctool/PngFile.h"

#include <png.h>

#include <csetjmp>
#include <vector>

#include "engine/RgbPicture.h"

namespace {
// libpng reports errors by a long jump back into the function that set it
// up; the message is kept here on the way.
struct PngWrite {
    std::string bytes;
    std::string error;
};

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* write = static_cast<PngWrite*>(png_get_io_ptr(png));
    write->bytes.append(reinterpret_cast<const char*>(data), length);
}

void KeepError(png_structp png, png_const_charp message) {
    static_cast<PngWrite*>(png_get_error_ptr(png))->error = message;
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

std::vector<png_byte> PackedRows(const RgbPicture& picture) {
    std::vector<png_byte> rows;
    rows.reserve(static_cast<std::size_t>(picture.Width()) * picture.Height() * 3);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const Rgb colour = picture.At(x, y);
            rows.insert(rows.end(), {colour.red, colour.green, colour.blue});
        }
    return rows;
}

// Nothing with a destructor is made between setjmp and the jump, which
// would skip it: the rows and the outcome belong to the caller.
bool WritePng(const RgbPicture& picture, const std::vector<png_bytep>& rowPointers, PngWrite& write) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &write, KeepError, IgnoreWarning);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &write, AppendBytes, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width()), static_cast<png_uint_32>(picture.Height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, const_cast<png_bytepp>(rowPointers.data()));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}
}  // namespace

std::variant<std::string, FileError> EncodePng(const RgbPicture& picture) {
    std::vector<png_byte> rows = PackedRows(picture);
    std::vector<png_bytep> rowPointers;
    for (int y = 0; y < picture.Height(); ++y)
        rowPointers.push_back(rows.data() + static_cast<std::size_t>(y) * picture.Width() * 3);
    PngWrite write;
    if (!WritePng(picture, rowPointers, write))
        return FileError{"libpng cannot write it: " + (write.error.empty() ? std::string("out of memory") : write.error)};
    return std::move(write.bytes);
}
