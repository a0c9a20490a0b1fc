// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <memory>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;
struct PulseLibrary;

// A playback stream to the PulseAudio server, filled on the client
// library's own thread by a render function, one request at a time. The
// server holds some 80 ms and asks for more once half of that has played,
// so the stream wakes about 25 times a second and an effect started now is
// heard within two ticks. A stream whose server goes away (it stops, or is
// restarted) is lost for good and says so.
class PulseStream {
public:
    // Fills `frames` frames of the left and right channels.
    using RenderFunction = void (*)(void* data, int frames, float* left, float* right);
    // Told once, on the client library's thread, when the stream is lost.
    using LostFunction = void (*)(void* data);

    // Null when no server takes the stream.
    static std::unique_ptr<PulseStream> Open(int rate, RenderFunction render, LostFunction lost, void* data);
    ~PulseStream();
    PulseStream(const PulseStream&) = delete;
    PulseStream& operator=(const PulseStream&) = delete;

    // Safe from any thread.
    bool Lost() const { return lost_; }

private:
    PulseStream(const PulseLibrary& pulse, RenderFunction render, LostFunction lost, void* data)
        : pulse_(pulse), render_(render), tellLost_(lost), data_(data) {}
    bool Connect(int rate);
    static void OnContextState(pa_context* context, void* self);
    static void OnStreamState(pa_stream* stream, void* self);
    void MarkLost();
    static void OnWritable(pa_stream* stream, std::size_t bytes, void* self);

    const PulseLibrary& pulse_;
    RenderFunction render_;
    LostFunction tellLost_;
    void* data_;
    std::atomic<bool> lost_{false};
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    std::vector<float> left_, right_;
};
