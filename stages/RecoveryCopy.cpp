// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/RecoveryCopy.h"

#include <algorithm>
#include <regex>

#include "base/FormatString.h"
#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"
#include "base/Utf8Cut.h"
#include "stages/CBlockDoc.h"
#include "stages/DocumentTexts.h"
#include "stages/PatternFile.h"

namespace {
constexpr std::size_t kMostNameBytes = 255;
constexpr std::string_view kKeptMark = "kept\t";
constexpr std::string_view kLostMark = "lost\t";

// The moment an earlier copy was kept, at the end of its name's stem.
const std::regex& EarlierStamp() {
    static const std::regex stamp("-[0-9]{8}-[0-9]{6}(-[0-9]+)?$");
    return stamp;
}

std::string JoinLines(const std::string& list, std::string_view line) {
    return list.empty() ? std::string(line) : list + '\n' + std::string(line);
}
}  // namespace

std::optional<RecoveryCopy> KeepForUnaskedEnd(CBlockDoc& doc) {
    doc.SaveHighScore();
    doc.Store().WriteString(Settings::kSection, Settings::kPattern, doc.GetPathName());
    if (!doc.IsModified()) return std::nullopt;

    // Encoded from a copy, as a save does: the set in memory stays as it is.
    CBlockDoc normalised = doc;
    PatternFile::NormaliseForSave(normalised);
    // A set that was never saved has no file name: its title with the extension.
    std::string name = doc.GetTitle().empty() ? std::string(DocumentTexts::kUntitled) : doc.GetTitle();
    if (doc.GetPathName().empty()) name.append(DocumentTexts::kDefaultExtension);
    return RecoveryCopy{std::move(name), PatternFile::Encode(normalised)};
}

std::string RecoveryCopyName(std::string_view setName, std::string_view stamp, int attempt) {
    const std::size_t dot = setName.rfind('.');
    const std::string_view extension = dot == std::string_view::npos || dot == 0 ? "" : setName.substr(dot);
    std::string stem = std::regex_replace(std::string(setName.substr(0, setName.size() - extension.size())),
                                          EarlierStamp(), "");
    std::string suffix = '-' + std::string(stamp);
    if (attempt > 0) suffix += '-' + std::to_string(attempt);
    suffix += extension;
    if (suffix.size() >= kMostNameBytes) return CutUtf8(suffix.substr(1), kMostNameBytes);
    return CutUtf8(std::move(stem), kMostNameBytes - suffix.size()) + suffix;
}

namespace RecoveryNotes {
namespace {
// A name holding a line break would end its note early.
std::string Line(std::string_view mark, std::string_view text) {
    std::string line = std::string(mark) + std::string(text);
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line + '\n';
}
}  // namespace

std::string Kept(std::string_view path) { return Line(kKeptMark, path); }
std::string Lost(std::string_view setName) { return Line(kLostMark, setName); }
}  // namespace RecoveryNotes

std::string RecoveryNotice(std::string_view notes) {
    std::string kept;
    std::string lost;
    std::size_t start = 0;
    while (start < notes.size()) {
        const std::size_t end = std::min(notes.find('\n', start), notes.size());
        const std::string_view line = notes.substr(start, end - start);
        if (line.starts_with(kKeptMark)) kept = JoinLines(kept, line.substr(kKeptMark.size()));
        if (line.starts_with(kLostMark)) lost = JoinLines(lost, line.substr(kLostMark.size()));
        start = end + 1;
    }
    std::string notice = kept.empty() ? "" : FormatString1(RecoveryTexts::kNotice, kept);
    if (lost.empty()) return notice;
    if (!notice.empty()) notice += "\n\n";
    return notice + FormatString1(RecoveryTexts::kLost, lost);
}
