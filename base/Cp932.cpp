// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/Cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace {
struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using Converter = std::unique_ptr<void, IconvCloser>;

Converter Open(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    return Converter(cd == reinterpret_cast<iconv_t>(-1) ? nullptr : cd);
}

// Converts all of input; on an invalid sequence either substitutes or fails.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view input,
                                   std::string_view replacement) {
    Converter converter = Open(to, from);
    if (!converter) return std::nullopt;
    auto* cd = static_cast<iconv_t>(converter.get());
    std::string output;
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, out);
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        if (replacement.empty()) return std::nullopt;
        output.append(replacement);
        // Skip the offending byte and go on with the rest.
        ++in;
        --inLeft;
    }
    return output;
}
}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
    return Convert("UTF-8", "CP932", cp932, "\xEF\xBF\xBD").value_or(std::string{});
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    return Convert("CP932", "UTF-8", utf8, {});
}

namespace {
// The length of the UTF-8 sequence that begins with this byte; 1 for a
// stray byte, so a broken text still moves on.
std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}
}  // namespace

std::vector<Cp932Char> SplitToCp932(std::string_view utf8) {
    std::vector<Cp932Char> chars;
    Converter converter = Open("CP932", "UTF-8");
    auto* cd = static_cast<iconv_t>(converter.get());
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length = std::min(Utf8SequenceLength(static_cast<unsigned char>(utf8[at])), utf8.size() - at);
        Cp932Char piece{std::string(utf8.substr(at, length)), {}};
        at += length;
        if (cd == nullptr) {
            chars.push_back(std::move(piece));
            continue;
        }
        char* in = piece.utf8.data();
        std::size_t inLeft = piece.utf8.size();
        char buffer[8];
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a fresh state for each character
        if (iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0)
            piece.cp932.assign(buffer, out);
        chars.push_back(std::move(piece));
    }
    return chars;
}
