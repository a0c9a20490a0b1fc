// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any text through the stage text reader. Text that reads is built into a
// pattern file; that file written out as text and read again must build
// the very same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "stages/CBlockDoc.h"
#include "stages/PatternFile.h"
#include "stages/StageText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CBlockDoc doc;
    if (StageText::Read(text, doc)) return 0;  // refused with a line and a reason
    const std::string bytes = PatternFile::Encode(doc);

    CBlockDoc decoded;
    PatternFile::Decode(bytes, decoded);
    const std::string written = StageText::Write(decoded);
    CBlockDoc reread;
    if (StageText::Read(written, reread)) std::abort();  // the writer's own text must read
    if (PatternFile::Encode(reread) != bytes) std::abort();
    if (StageText::Write(reread) != written) std::abort();
    return 0;
}
