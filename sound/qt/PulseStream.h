// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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
// heard within two ticks.
class PulseStream {
public:
    // Fills `frames` frames of the left and right channels.
    using RenderFunction = void (*)(void* data, int frames, float* left, float* right);

    // Null when no server takes the stream.
    static std::unique_ptr<PulseStream> Open(int rate, RenderFunction render, void* data);
    ~PulseStream();
    PulseStream(const PulseStream&) = delete;
    PulseStream& operator=(const PulseStream&) = delete;

private:
    PulseStream(const PulseLibrary& pulse, RenderFunction render, void* data)
        : pulse_(pulse), render_(render), data_(data) {}
    bool Connect(int rate);
    static void OnWritable(pa_stream* stream, std::size_t bytes, void* self);

    const PulseLibrary& pulse_;
    RenderFunction render_;
    void* data_;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    std::vector<float> left_, right_;
};
