#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace fileSaving {

// True when a save may write fileName: nothing is there yet, or what is there is, after following
// symbolic links to their final target, a regular file. A device, FIFO, socket or folder is never
// written or replaced (renaming a new file over it would change what kind of file it is).
bool isSaveTarget(const QString &fileName);

// How a save ended: written, or not and why.
struct Result
{
    bool written = false;
    // Why not, as a sentence for the user ("The disk is full."); empty when written, or when
    // nothing more is known than that it failed.
    QString reason;

    explicit operator bool() const { return written; }
    static Result done() { return {true, {}}; }
    static Result failed(const QString &reason = {}) { return {false, reason}; }
};

// Writes fileName through a temporary file that replaces it only when every write, the final
// flush to the disk and the rename succeeded; on any failure (a full disk, a size limit, an I/O
// error) the temporary file is removed and an earlier file stays as it was. A symbolic link is
// kept and its final target written. Not written, with nothing touched, unless
// isSaveTarget(fileName). writeContent returns false when a write of its own fell short.
Result save(const QString &fileName, const std::function<bool(QIODevice &)> &writeContent);

// The sentence Result::reason gives for a system error (errno): "The disk is full." for ENOSPC.
QString reasonFor(int systemError);

// Makes a write past a file size limit or into a closed pipe fail with an error (EFBIG, EPIPE)
// that the checked writes report, instead of raising a signal that ends the process. main()
// calls it before anything else.
void reportWriteFailuresAsErrors();

} // namespace fileSaving
