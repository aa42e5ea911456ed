#pragma once
// What keeps a second copy from running: an exclusive lock, held for as long as the copy
// runs, on a lock file in the folder of the user's settings, which exists wherever the
// settings can. The system drops the lock with the process, however it ends, so nothing
// stale is ever left to clear. Posix only.
#include "platform/process/Descriptor.h"

#include <string>

class SettingsLock {
public:
    enum class Take {
        Taken,         // this copy holds the lock until Release
        HeldElsewhere, // another copy holds it
        Unavailable,   // no lock can be had here (Why says why)
    };

    // `folder`: the settings folder, byte for byte.
    explicit SettingsLock(std::string folder) : m_folder(std::move(folder)) {}

    // Takes the lock without waiting. A missing folder is made (for the user alone) where
    // the folder above it is the user's, so that the first run is guarded too.
    Take TryTake();
    void Release() { m_lock.Reset(); }
    const std::string& Why() const { return m_why; }

    // The lock file's name in the folder.
    static constexpr char kFileName[] = "Caddora.lock";

private:
    Descriptor OpenFolder();
    Descriptor OpenLockFile(const Descriptor& folder);

    std::string m_folder;
    Descriptor m_lock;
    std::string m_why;
};
