// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "base/FileResults.h"

// Reading and replacing the files a user names, the same way in the game and
// in blctool, on the POSIX calls themselves so that nothing is left to a
// library's defaults: which kinds of file are opened, how big a read grows,
// where a temporary file goes and when the data reaches the disk.
namespace SafeFiles {

// What a read or write came to, with the cause in words for the tool's
// messages (empty on success).
struct ReadOutcome {
    FileReadResult file;
    std::string reason;
};
struct WriteOutcome {
    FileWriteResult file;
    std::string reason;
};

// At most maxBytes from the start of a regular file. Anything else a path
// can name is refused before a byte is read: a FIFO or a terminal would
// block the program, a device may never end.
ReadOutcome ReadRegularFile(const std::string& path, std::size_t maxBytes);

// What a replacement does with a link at the path it is given.
enum class LinkAtTarget {
    // Followed, so that the link stays and the file it names is replaced,
    // when each link on the way belongs to the user or to root; refused
    // when one belongs to anyone else, who could point it at any file the
    // user may write (the kernel's rule for links in shared folders).
    FollowTrusted,
    // Refused, whoever made it: for a file written at a path another
    // program chose, where a link can only be a trap.
    Refuse,
};

// Puts the bytes in place of the file's contents or leaves it as it was:
// they go to a temporary file created exclusively beside the target, reach
// the disk, and the temporary file is then renamed over the target. A link
// is dealt with as `links` says. A target without write permission is
// refused. When the folder takes no new
// file but the target itself may be written, the target is written in
// place instead, all or nothing as well: the size limit and the space are
// checked first, and the old bytes are put back should the write fail.
// A write past the process's file-size limit fails instead of ending it.
// A name too long to take the temporary file's additions gets a shortened
// temporary name.
WriteOutcome ReplaceFile(const std::string& path, std::string_view bytes,
                         LinkAtTarget links = LinkAtTarget::FollowTrusted);

// Puts the bytes in a file that did not exist, in folder, under the first
// of nameFor(0), nameFor(1), ... that is free; an existing file, or a link
// planted under that name, is never written. Created exclusively and
// private to the user, it has reached the disk when this succeeds; a
// failed write leaves no file behind. createdPath names the new file.
WriteOutcome CreateNewFile(const std::string& folder, const std::function<std::string(int)>& nameFor,
                           std::string_view bytes, std::string& createdPath);

// Adds the line to the end of the user's own regular file, creating it if
// need be; a link or another user's file is refused. One write, so that
// lines from two programs at once do not interleave.
WriteOutcome AppendLine(const std::string& path, std::string_view line);

}  // namespace SafeFiles
