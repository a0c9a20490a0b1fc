// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "stages/DocumentFiles.h"
#include "stages/DocumentUi.h"

// Files held in memory, under absolute paths. A relative path is taken
// against kWorkingDirectory.
class FakeDocumentFiles : public DocumentFiles {
public:
    static constexpr const char* kWorkingDirectory = "/home/player/";

    std::map<std::string, std::string> files;
    std::map<std::string, FileReadResult> readFailures;  // by path
    std::optional<FileWriteResult> writeFailure;          // for every write

    FileReadResult ReadFile(const std::string& path, std::size_t maxBytes) override {
        if (const auto failure = readFailures.find(path); failure != readFailures.end()) return failure->second;
        const auto file = files.find(path);
        if (file == files.end()) return {FileReadResult::Status::CannotOpen, FileProblem::NotFound, {}};
        return {FileReadResult::Status::Read, FileProblem::Unknown, file->second.substr(0, maxBytes)};
    }
    FileWriteResult ReplaceFile(const std::string& path, std::string_view bytes) override {
        if (writeFailure) return *writeFailure;
        files[path] = std::string(bytes);
        return {};
    }
    std::string FullPathOf(const std::string& path) override {
        if (path.empty() || path.front() == '/') return path;
        return kWorkingDirectory + path;
    }
    bool CanCreateFilesIn(const std::string& folder) override { return !readOnlyFolders.contains(folder); }
    std::string DocumentsFolder() override { return "/home/player/Documents/"; }

    std::set<std::string> readOnlyFolders;
};

// Records what the user would see, as short lines, and answers from a script.
class FakeDocumentUi : public DocumentUi {
public:
    std::vector<std::string> log;
    SaveAnswer saveAnswer = SaveAnswer::No;
    std::deque<std::optional<std::string>> openAnswers;  // empty: the dialog is cancelled
    std::optional<std::string> saveAsAnswer;
    std::string caption;

    void BeginWaitCursor() override { log.push_back("wait"); }
    void EndWaitCursor() override { log.push_back("end wait"); }
    void ReportLoadFailure(std::string_view text) override { Record("load failure: ", text); }
    void ReportSaveFailure(std::string_view text) override { Record("save failure: ", text); }
    void ShowMessage(std::string_view text, MessageIcon icon) override {
        Record("message: ", std::string(text) + (icon == MessageIcon::Exclamation ? " (!)" : ""));
    }
    SaveAnswer AskSaveChanges(std::string_view question) override {
        Record("ask: ", question);
        return saveAnswer;
    }
    std::optional<std::string> AskOpenPath() override {
        log.push_back("open dialog");
        if (openAnswers.empty()) return std::nullopt;
        auto answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> AskSaveAsPath(std::string_view suggestedName) override {
        Record("save as dialog: ", suggestedName);
        return saveAsAnswer;
    }
    void ShowCaption(std::string_view text) override { caption = std::string(text); }

    bool Saw(const std::string& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }

private:
    void Record(std::string_view what, std::string_view text) { log.push_back(std::string(what).append(text)); }
};
