#pragma once

#include <QString>

namespace table {

// Why a file operation failed, in Russian, from its error code (errno or the data layer's own).
QString RussianCause(int code);

// "<what> «<path>»: <cause>." as the program's messages say it.
QString FileProblem(const QString& what, const QString& path, int code);

}  // namespace table
