// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/SoundOutputProbe.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>

namespace {
// A local socket that something listens on. A full backlog still means a
// server is there.
bool SocketListens(const std::string& path) {
    sockaddr_un address{};
    if (path.empty() || path.size() >= sizeof address.sun_path) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    const bool listens = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 ||
                         errno == EAGAIN || errno == EINPROGRESS;
    ::close(fd);
    return listens;
}

// The servers PULSE_SERVER names, one after the other: a local one counts
// when its socket listens; one over the network cannot be asked quickly,
// so it counts as there.
bool NamedServerPresent(const std::string& servers) {
    std::istringstream list(servers);
    std::string server;
    while (list >> server) {
        if (server.front() == '{') {
            // "{machine id}" restricts the server to one machine; it names nothing.
            const std::size_t end = server.find('}');
            if (end == std::string::npos) continue;
            server.erase(0, end + 1);
        }
        if (server.rfind("unix:", 0) == 0) server.erase(0, 5);
        if (server.empty()) continue;
        if (server.front() != '/' || SocketListens(server)) return true;
    }
    return false;
}

bool UserServerPresent() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != '\0')
        if (SocketListens(std::string(runtime) + "/pulse/native")) return true;
    return SocketListens("/run/user/" + std::to_string(::getuid()) + "/pulse/native") ||
           SocketListens("/var/run/pulse/native");
}

}  // namespace

// ALSA's playback devices are named pcmC<card>D<device>p.
bool PlaybackDevicePresent() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/snd", error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("pcmC", 0) == 0 && name.back() == 'p' && ::access(entry.path().c_str(), W_OK) == 0)
            return true;
    }
    return false;
}

bool SoundOutputPresent() {
    if (const char* servers = std::getenv("PULSE_SERVER"); servers != nullptr && *servers != '\0')
        return NamedServerPresent(servers) || PlaybackDevicePresent();
    return UserServerPresent() || PlaybackDevicePresent();
}
