#include "shell/SettingsTable.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {
// A best-score key is the key of some title: the form around an empty title.
bool IsHighScoreKey(std::string_view key) {
    const std::string aroundEmptyTitle = Settings::HighScoreKey("");
    const std::string_view opening = std::string_view(aroundEmptyTitle).substr(0, aroundEmptyTitle.size() - 1);
    const std::string_view closing = std::string_view(aroundEmptyTitle).substr(opening.size());
    return key.size() >= aroundEmptyTitle.size() && key.starts_with(opening) && key.ends_with(closing);
}
}  // namespace

bool IsSettingKey(std::string_view key) {
    if (IsHighScoreKey(key)) return true;
    return std::any_of(std::begin(kSettingsTable), std::end(kSettingsTable),
                       [key](const SettingEntry& entry) { return entry.key == key; });
}
