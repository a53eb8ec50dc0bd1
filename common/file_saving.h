#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace fileSaving {

// Writes fileName through a temporary file that replaces it only when every write, the final
// flush to the disk and the rename succeeded; on any failure (a full disk, a size limit, an I/O
// error) the temporary file is removed and an earlier file stays as it was. writeContent
// returns false when a write of its own fell short.
bool save(const QString &fileName, const std::function<bool(QIODevice &)> &writeContent);

} // namespace fileSaving
