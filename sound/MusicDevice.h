// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

// The sequencer that plays one MIDI file at a time. Every operation but
// Close returns an error code, 0 for success, whose text can be shown.
class MusicDevice {
public:
    using Error = int;
    static constexpr Error kNoError = 0;

    virtual ~MusicDevice() = default;

    // Opens the file; fails, without a word to the user, for a missing file
    // or one that is not MIDI.
    virtual Error Open(const std::string& path) = 0;
    // Fails when no output can play the music.
    virtual Error QueryStatus() = 0;
    // Starts the open file from its beginning and returns without waiting.
    virtual Error Play() = 0;
    // Stops and closes; the program's last close waits until it is done.
    enum class CloseMode { NoWait, Wait };
    virtual void Close(CloseMode mode) = 0;

    virtual std::string ErrorText(Error error) const = 0;

    // A device that makes itself ready in the background may find a
    // failure after Play has returned success (a damaged SoundFont, a tune
    // it cannot read); it then calls this on the interface thread, just as
    // a failed query or play would have been reported.
    using LateFailure = std::function<void(Error)>;
    void OnLateFailure(LateFailure report) { lateFailure_ = std::move(report); }

protected:
    void ReportLateFailure(Error error) {
        if (lateFailure_) lateFailure_(error);
    }

private:
    LateFailure lateFailure_;
};
