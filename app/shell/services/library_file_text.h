#pragma once

#include <QString>

#include "platform/shared_library_check.h"

namespace table {

// Why a library file failed its check, in Russian, as the end of a sentence. `notALibrary` is
// said of a file that is no library of this program (garbage, another kind of file).
QString LibraryFileCause(const periodic::LibraryFileCheck& check, const QString& notALibrary);

}  // namespace table
