#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CBlockDoc;

// What the program keeps when it has to end without asking (a signal, or a
// desktop session that ends and allows no question): the best score and
// "Pattern", as at every close, and a modified set as a recovery copy in
// the user's data folder, never over its own file, which the user did not
// choose to replace.
struct RecoveryCopy {
    std::string fileName;  // the set's title, or the untitled name with ".blc"
    std::string bytes;     // the set as a save would write it
};

// Writes the best score and "Pattern"; the recovery copy of a modified set,
// or nothing for a set without changes.
std::optional<RecoveryCopy> KeepForUnaskedEnd(CBlockDoc& doc);

// The text the next start shows, naming where the copies are.
std::string RecoveryNotice(const std::vector<std::string>& paths);

namespace RecoveryTexts {
inline constexpr std::string_view kNotice = "前回の終了時に保存されていなかった変更を次のﾌｧｲﾙに残しました。\n%1";
}  // namespace RecoveryTexts
