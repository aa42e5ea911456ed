#pragma once
// The local socket through which a later start asks the running copy to come to the front:
// where it lives, how the running copy opens it, and the later start's side of the talk.
// Posix only.
#include "platform/process/Descriptor.h"
#include "platform/process/OneRunningCopy.h"

#include <chrono>
#include <cstddef>
#include <string>

// What a later start writes, and what the running copy answers once it came forward.
inline constexpr char kRaiseRequest[] = "raise\n";
inline constexpr char kRaiseReply[] = "raised\n";
// The longest line a connection may send before it is dropped.
inline constexpr std::size_t kLongestRaiseLine = 64;

// The socket of the copy that runs for the settings folder, in a folder that only the user
// can use: "caddora" in the per-user runtime directory ($XDG_RUNTIME_DIR) when that is a
// directory of the user's that nobody else may write to, else "caddora-<user id>" in the
// temporary directory. The name comes from the settings folder's bytes as they are, so that
// no two folders share one. Empty when there is no such folder (a later start then finds
// no copy to ask).
std::string RaiseSocketPath(const std::string& settingsFolder);
// The same for the running copy, which makes the folder when it is missing; empty when no
// place will do, and then `why` says why.
std::string MakeRaiseSocketPath(const std::string& settingsFolder, std::string& why);
// A socket listening at `path`; none when it cannot be had, and then `why` says why.
Descriptor ListenOnRaiseSocket(const std::string& path, std::string& why);
// Whether the other end of a connected socket runs as the effective user: nobody else is
// asked, or answered.
bool IsUsersPeer(int socket);
// Asks the copy listening at `path` to come to the front, waiting up to `patience` for its
// answer. A listener of another user's is no copy.
OneRunningCopy::Answer AskToComeToFront(const std::string& path,
                                        std::chrono::milliseconds patience);
