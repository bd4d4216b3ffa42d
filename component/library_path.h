#pragma once

#include <QString>

#include "component/vexel_interface.h"
#include "data/data_error.h"

namespace vexel {

// The folder the control library's file lies in, without a trailing separator.
QString LibraryDirectory();
// The library's file name without folder and extension ("Vexel" for libVexel.so).
QString LibraryBaseName();

// An error for the host from a failed file or record operation.
Error FromDataError(const periodic::DataError& error);

}  // namespace vexel
