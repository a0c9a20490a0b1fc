// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/PulseStream.h"

#include "sound/qt/PulseLibrary.h"

namespace {
constexpr int kBufferedMs = 80;
constexpr int kRequestMs = 40;
constexpr std::size_t kFrameBytes = 2 * sizeof(float);

std::uint32_t BytesFor(int rate, int ms) { return static_cast<std::uint32_t>(rate * ms / 1000 * kFrameBytes); }
}  // namespace

std::unique_ptr<PulseStream> PulseStream::Open(int rate, RenderFunction render, LostFunction lost, void* data) {
    const PulseLibrary* pulse = Pulse();
    if (pulse == nullptr) return nullptr;
    std::unique_ptr<PulseStream> stream(new PulseStream(*pulse, render, lost, data));
    if (!stream->Connect(rate)) return nullptr;
    return stream;
}

// Both the context and the stream wake whoever waits on the loop when their
// state changes; a state past help (the server gone) loses the stream.
void PulseStream::OnContextState(pa_context* context, void* self) {
    auto* stream = static_cast<PulseStream*>(self);
    if (!PA_CONTEXT_IS_GOOD(stream->pulse_.pa_context_get_state(context))) stream->MarkLost();
    stream->pulse_.pa_threaded_mainloop_signal(stream->loop_, 0);
}

void PulseStream::OnStreamState(pa_stream* playback, void* self) {
    auto* stream = static_cast<PulseStream*>(self);
    if (!PA_STREAM_IS_GOOD(stream->pulse_.pa_stream_get_state(playback))) stream->MarkLost();
    stream->pulse_.pa_threaded_mainloop_signal(stream->loop_, 0);
}

void PulseStream::MarkLost() {
    if (!lost_.exchange(true) && tellLost_ != nullptr) tellLost_(data_);
}

bool PulseStream::Connect(int rate) {
    loop_ = pulse_.pa_threaded_mainloop_new();
    if (loop_ == nullptr) return false;
    context_ = pulse_.pa_context_new(pulse_.pa_threaded_mainloop_get_api(loop_), "Zembrovaltine");
    if (context_ == nullptr) return false;
    pulse_.pa_context_set_state_callback(context_, &PulseStream::OnContextState, this);
    // No autospawn: a machine without a server has no sound, not a new server.
    if (pulse_.pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return false;
    pulse_.pa_threaded_mainloop_lock(loop_);
    if (pulse_.pa_threaded_mainloop_start(loop_) < 0) {
        pulse_.pa_threaded_mainloop_unlock(loop_);
        return false;
    }
    pa_context_state_t contextState;
    while ((contextState = pulse_.pa_context_get_state(context_)) != PA_CONTEXT_READY &&
           PA_CONTEXT_IS_GOOD(contextState))
        pulse_.pa_threaded_mainloop_wait(loop_);
    bool ready = contextState == PA_CONTEXT_READY;
    if (ready) {
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(rate), 2};
        stream_ = pulse_.pa_stream_new(context_, "Zembrovaltine", &spec, nullptr);
        ready = stream_ != nullptr;
    }
    if (ready) {
        pulse_.pa_stream_set_state_callback(stream_, &PulseStream::OnStreamState, this);
        pulse_.pa_stream_set_write_callback(stream_, &PulseStream::OnWritable, this);
        const pa_buffer_attr buffer{static_cast<std::uint32_t>(-1), BytesFor(rate, kBufferedMs),
                                    static_cast<std::uint32_t>(-1), BytesFor(rate, kRequestMs),
                                    static_cast<std::uint32_t>(-1)};
        ready =
            pulse_.pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_NOFLAGS, nullptr, nullptr) == 0;
    }
    if (ready) {
        pa_stream_state_t streamState;
        while ((streamState = pulse_.pa_stream_get_state(stream_)) != PA_STREAM_READY &&
               PA_STREAM_IS_GOOD(streamState))
            pulse_.pa_threaded_mainloop_wait(loop_);
        ready = streamState == PA_STREAM_READY;
    }
    pulse_.pa_threaded_mainloop_unlock(loop_);
    return ready;
}

PulseStream::~PulseStream() {
    if (loop_ != nullptr) {
        pulse_.pa_threaded_mainloop_lock(loop_);
        // Going away by choice is no loss to tell of.
        if (stream_ != nullptr) {
            pulse_.pa_stream_set_write_callback(stream_, nullptr, nullptr);
            pulse_.pa_stream_set_state_callback(stream_, nullptr, nullptr);
            pulse_.pa_stream_disconnect(stream_);
            pulse_.pa_stream_unref(stream_);
        }
        if (context_ != nullptr) {
            pulse_.pa_context_set_state_callback(context_, nullptr, nullptr);
            pulse_.pa_context_disconnect(context_);
        }
        pulse_.pa_threaded_mainloop_unlock(loop_);
        pulse_.pa_threaded_mainloop_stop(loop_);
    }
    if (context_ != nullptr) pulse_.pa_context_unref(context_);
    if (loop_ != nullptr) pulse_.pa_threaded_mainloop_free(loop_);
}

void PulseStream::OnWritable(pa_stream* stream, std::size_t bytes, void* data) {
    auto* self = static_cast<PulseStream*>(data);
    void* buffer = nullptr;
    if (self->pulse_.pa_stream_begin_write(stream, &buffer, &bytes) < 0 || buffer == nullptr) return;
    const std::size_t frames = bytes / kFrameBytes;
    self->left_.resize(frames);
    self->right_.resize(frames);
    self->render_(self->data_, static_cast<int>(frames), self->left_.data(), self->right_.data());
    auto* out = static_cast<float*>(buffer);
    for (std::size_t i = 0; i < frames; ++i) {
        out[2 * i] = self->left_[i];
        out[2 * i + 1] = self->right_[i];
    }
    self->pulse_.pa_stream_write(stream, buffer, frames * kFrameBytes, nullptr, 0, PA_SEEK_RELATIVE);
}
