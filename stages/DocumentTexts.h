// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "stages/DocumentFiles.h"

// The document layer's own texts (UTF-8).
namespace DocumentTexts {
// The title of a set that was never saved.
inline constexpr std::string_view kUntitled = "無題";
inline constexpr std::string_view kCaptionSeparator = " - ";
inline constexpr std::string_view kDefaultExtension = ".blc";
inline constexpr std::string_view kAskToSave = "%1 への変更を保存しますか?";

// The file dialogs: their titles and their list of types, stage sets first.
inline constexpr std::string_view kOpenTitle = "開く";
inline constexpr std::string_view kSaveAsTitle = "名前を付けて保存";
inline constexpr std::string_view kStageSetFilter = "ﾌﾞﾛｯｸ ﾌｧｲﾙ (*.blc)";
inline constexpr std::string_view kAllFilesFilter = "すべてのﾌｧｲﾙ (*.*)";

// Reports when nothing more specific is known of the cause.
inline constexpr std::string_view kOpenFailed = "ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。";
inline constexpr std::string_view kInvalidFileName = "無効なﾌｧｲﾙ名です。";
inline constexpr std::string_view kSaveFailed = "ﾄﾞｷｭﾒﾝﾄの保存に失敗しました。";

// Reports for a known cause; %1 is the path.
inline constexpr std::string_view kFileNotFound = "ﾌｧｲﾙ %1 が見つかりません。";
inline constexpr std::string_view kAccessDenied = "ﾌｧｲﾙ %1 にｱｸｾｽできません。";
inline constexpr std::string_view kDiskFull = "ﾃﾞｨｽｸがいっぱいのため、%1 を保存できません。";
inline constexpr std::string_view kUntrustedLink = "ﾌｧｲﾙ %1 は他のﾕｰｻﾞｰのﾘﾝｸのため、保存できません。";
}  // namespace DocumentTexts

// The text of the load-failure report for a file that could not be read.
std::string LoadFailureText(FileProblem problem, std::string_view path);
// The text of the save-failure report for a file that could not be written.
std::string SaveFailureText(const FileWriteResult& result, std::string_view path);
