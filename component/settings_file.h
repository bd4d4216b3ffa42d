#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "table/display_options.h"

namespace periodic {

// The settings file (Table.cfg in the viewer) holds one 34-byte record, little-endian, with no
// header and no gaps:
//   0..17  the nine display flags as 16-bit booleans (-1 true, 0 false), in the order
//          LongPeriods, ShowAtomicMass, ShowElementsName, LatInsteadOfRus, DifferSPDF,
//          DifferMetalsNonmetals, InvertColors, ShowHighestOxidesTable, MoveOutInertGases
//  18..21  ZoomVal, signed 32-bit
//  22..31  the ten reserved bytes, carried as they are
//  32..33  OpenViewerOnDblClick, 16-bit boolean
// Any bytes after the record are not ours and are kept when the file is written.
inline constexpr std::size_t kSettingsRecordSize = 34;

std::array<std::uint8_t, kSettingsRecordSize> EncodeSettings(const DisplayOptions& options);

// Reads the record from the first `length` bytes (at most 34 are looked at). A boolean is true
// when its 16-bit value is non-zero. A field that the bytes do not hold completely gets its
// default (see DisplayOptions); each reserved byte is its own field and one beyond the end
// keeps the value `options` already holds. So length 0 gives the defaults with the reserved
// bytes untouched.
void DecodeSettings(const std::uint8_t* bytes, std::size_t length, DisplayOptions& options);

// Reads the settings file into `options`. A missing file reads as an empty one and is not
// created (it appears when first written); an empty or short file is read as DecodeSettings
// describes. On failure `options` is left unchanged and a
// DataError naming the file and the cause is thrown.
void ReadOptionsFile(const std::string& path, DisplayOptions& options);

// Writes `options` as the first 34 bytes of the settings file, keeping any later bytes of an
// existing longer file and its permission bits. The new contents go to a temporary file in the
// same folder that is synced and then renamed over the file, so the file is always either the
// old one or the new one. A symbolic link is followed and stays a link. On failure nothing is
// left behind and a DataError naming the file and the cause is thrown.
void WriteOptionsFile(const std::string& path, const DisplayOptions& options);

}  // namespace periodic
