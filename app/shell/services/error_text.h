#pragma once

#include <QString>

namespace table {

// Why a file operation failed, in Russian, from its error code (errno or the data layer's own).
QString RussianCause(int code);

// "<what> «<path>»: <cause>." as the program's messages say it.
QString FileProblem(const QString& what, const QString& path, int code);

// Why a picture could not be saved to `path`, in Russian, from the control's error: a file
// failure (the control reports it by errno, with an English description starting "cannot ")
// names the file and its cause; a call the control refused (error 5, no picture yet) says so.
QString PictureSaveProblem(const QString& path, int code, const QString& description);

}  // namespace table
