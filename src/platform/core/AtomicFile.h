#pragma once

#include "platform/core/CFile.h"

#include <optional>

// A file written in place of another, which a reader sees whole or not at all. Open makes
// the replacement as a new temporary file beside the file it replaces (see
// CreateTemporaryBeside), after removing the temporaries that stopped programs left there;
// what is written goes to it. Commit gives it the permission bits (and, where the system
// allows, the owner) of the file it replaces, puts it on the disk and renames it over that
// file. A replacement that is not committed (closed, aborted, destroyed, or failed) leaves
// the target as it was and no temporary file behind. A target that is a symbolic link stays
// one: the file it leads to is replaced, beside that file. Open refuses (accessDenied) a
// target that must be left: one reached through a link of another user, one in a place of
// another user (IsOwnDirectory), and a file the user may not write (MayReplaceFile).
class CAtomicFile : public CFile {
public:
    // With bFollowLinks false a link of the target's name is itself replaced by the file.
    explicit CAtomicFile(bool bFollowLinks = true) : m_bFollowLinks(bFollowLinks) {}
    ~CAtomicFile() override;

    // strFileName is the file to replace; nOpenFlags must ask for writing.
    BOOL Open(const CString& strFileName, UINT nOpenFlags,
              CFileException* pError = nullptr) override;
    // What the new file gets in place of the replaced file's attributes. Without either (a
    // new file) it is the user's alone.
    void SetAttributes(const FileAttributes& attributes) { m_attributes = attributes; }
    // Whether Commit waits until the replacement is on the disk before it renames it (the
    // default). Without the wait a reader still sees the old file or the new one whole, but
    // a crash of the system soon after may leave the new file empty: only for a file whose
    // loss costs nothing.
    void SetWaitForDisk(bool bWait) { m_bWaitForDisk = bWait; }
    // Puts the replacement in place; FALSE (the target as it was) when that failed.
    BOOL Commit(CFileException* pError = nullptr);
    // Both drop the replacement: only Commit replaces the target.
    void Close() override;
    void Abort() override;

private:
    void Discard();

    bool m_bFollowLinks;
    bool m_bWaitForDisk = true;
    CString m_strTempPath;
    std::optional<FileAttributes> m_attributes;
};
