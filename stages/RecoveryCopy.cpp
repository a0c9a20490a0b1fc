#include "stages/RecoveryCopy.h"

#include "shell/FormatString.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"
#include "stages/CBlockDoc.h"
#include "stages/DocumentTexts.h"
#include "stages/PatternFile.h"

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

std::string RecoveryNotice(const std::vector<std::string>& paths) {
    std::string list;
    for (const std::string& path : paths) {
        if (!list.empty()) list += '\n';
        list += path;
    }
    return FormatString1(RecoveryTexts::kNotice, list);
}
