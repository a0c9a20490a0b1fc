// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How soon an effect sounds: the time from a play request to the stream
// taking the clip's first samples, over a run of requests a tick apart, on
// the real sound output (scripts/bench-sound.sh gives it a private server).
// The samples then wait at most one buffer in the stream.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "sound/qt/AudioOutput.h"
#include "sound/qt/OutputEffectPlayer.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    using Clock = std::chrono::steady_clock;
    QTemporaryDir dir;
    // One frame of sound: the clip has ended once the stream has taken it.
    const QString path = dir.filePath("click.wav");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(QByteArray("RIFF\x26\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0\x10\0data\x02\0\0\0\xff\x7f", 46));
    file.close();

    AudioOutput output;
    if (output.Open() != AudioOutput::OpenResult::Open) {
        std::puts("effect latency: no sound output");
        return 0;
    }
    OutputEffectPlayer player(output);
    player.Preload({path.toStdString()});
    player.WaitUntilIdle();
    std::vector<double> latencies;
    for (int i = 0; i < 60; ++i) {
        const auto asked = Clock::now();
        player.Play(path.toStdString());
        player.WaitUntilIdle();
        // The first waits as long as a sink that was idle takes to pick the new stream up.
        const auto patience = std::chrono::seconds(i == 0 ? 5 : 1);
        while (output.ClipSounding() && Clock::now() - asked < patience)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        latencies.push_back(std::chrono::duration<double, std::milli>(Clock::now() - asked).count());
        std::this_thread::sleep_until(asked + std::chrono::milliseconds(50));
    }
    // The first waits for the new stream to start; the rest show the requests' rhythm.
    const double first = latencies.front();
    std::sort(latencies.begin() + 1, latencies.end());
    std::printf("effect latency: request to stream median %.1f ms, worst %.1f ms, first after opening %.1f ms"
                " (then at most the stream's buffer of 80 ms)\n",
                latencies[latencies.size() / 2], latencies.back(), first);
    return 0;
}
