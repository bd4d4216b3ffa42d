#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace table {

// Table.ini is a file of 166-byte records of which only the first is used. The record holds the
// fields of TableOptions in declaration order, packed without gaps, little-endian:
//     0  2  SaveWindowPos, 16-bit boolean (-1 true, 0 false)
//     2  4  WindowLeft, IEEE single, twips
//     6  4  WindowTop
//    10  4  WindowHeight
//    14  4  WindowWidth
//    18  2  type code of WindowState: 2 = a 16-bit integer follows, 3 = a 32-bit integer follows
//    20  2|4  WindowState
//  22|24  2  ViewerInvertColors
//  24|26  2  ViewerBlackAndWhite
//  26|28 120 ColorsData, Windows-1251 text
// 146|148 4  TableBackColor, signed 32-bit (0x00BBGGRR)
// 150|152 2  ShowToolbar
// 152|154 2  ShowStatusbar
// so the record takes 154 bytes in the 16-bit form and 156 in the 32-bit one. The bytes after it
// carry no fields; any writer may fill them, and a reader of the fields alone ignores them. This
// program keeps there the colour dialog's "Типы элементов:" switch, which has no field:
//   156  2  marker "ET"
//   158  1  the switch: 0 off, 1 on
//   159  7  zeros
// A switch is read only under its marker and as 0 or 1, so that zeros, or whatever an older
// writer left there, read as no switch stored. Bytes beyond the record length are kept when the
// file is written, and so is the spare area while there is no switch to store.
inline constexpr std::size_t kTableIniRecordLength = 166;
inline constexpr std::size_t kSpareAreaOffset = 156;
inline constexpr std::uint8_t kElementTypeMarker[2] = {'E', 'T'};
inline constexpr std::size_t kColorsDataLength = 120;

// Main window states as stored in WindowState.
inline constexpr std::int32_t kWindowNormal = 0;
inline constexpr std::int32_t kWindowMinimised = 1;
inline constexpr std::int32_t kWindowMaximised = 2;

// The smallest outer window size the program starts with, in twips.
inline constexpr float kMinimumWindowWidth = 5000.0f;
inline constexpr float kMinimumWindowHeight = 3000.0f;

// How WindowState is stored; the value is its type code in the file.
enum class IntegerForm : std::uint16_t { Int16 = 2, Int32 = 3 };

// The application's own options. The member initialisers are the values of a first start except
// for the background colour and the window size, which come from the table control and the
// main window (see DefaultTableOptions).
struct TableOptions {
  // When true, saving the configuration stores the current window geometry.
  bool SaveWindowPos = false;
  // Outer geometry of the main window in twips. Left and top are stored but never used.
  float WindowLeft = 0.0f;
  float WindowTop = 0.0f;
  float WindowHeight = 0.0f;
  float WindowWidth = 0.0f;
  // kWindowNormal, kWindowMinimised or kWindowMaximised, and the form it is written in.
  std::int32_t WindowState = kWindowNormal;
  IntegerForm WindowStateForm = IntegerForm::Int32;
  // Handed to the next viewer window that opens; carry nothing from one run to the next.
  bool ViewerInvertColors = false;
  bool ViewerBlackAndWhite = false;
  // The colour scheme as text, always kColorsDataLength characters. A first start holds NULs
  // only, which the scheme does not accept, so it starts from its own defaults.
  std::string ColorsData = std::string(kColorsDataLength, '\0');
  // The table control's background colour, 0x00BBGGRR.
  std::int32_t TableBackColor = 0;
  // The bar switches as stored: -1 on, 0 off. A file may hold other values; the placement of
  // the table counts a bar only when its switch is exactly -1.
  std::int16_t ShowToolbar = -1;
  std::int16_t ShowStatusbar = -1;
  // The colour scheme's element-type switch, kept in the record's spare bytes; empty when the
  // file holds none (a file of an older writer), so that the scheme keeps its own default.
  std::optional<bool> DifferByElementType;

  bool ToolbarOn() const { return ShowToolbar == -1; }
  bool StatusbarOn() const { return ShowStatusbar == -1; }
  void SetShowToolbar(bool on) { ShowToolbar = on ? -1 : 0; }
  void SetShowStatusbar(bool on) { ShowStatusbar = on ? -1 : 0; }

  bool operator==(const TableOptions&) const = default;
};

// The options of a first start: the member initialisers plus the control's current background
// colour and the main window's design size.
TableOptions DefaultTableOptions(std::int32_t tableBackColor, float designHeight,
                                 float designWidth);

// The record, 154 bytes when WindowState is in its 16-bit form and 156 in its 32-bit form, or the
// whole 166 bytes with the spare area when DifferByElementType holds a value (the gap before the
// spare area zero-filled). ColorsData is written as FitColorsData gives it. A WindowState that
// does not fit in 16 bits is written in the 32-bit form whatever WindowStateForm says, so that it
// is not cut.
std::vector<std::uint8_t> EncodeTableOptions(const TableOptions& options);

// Reads the record from the first `length` bytes, in either form. A 16-bit boolean is true when
// it is non-zero; ShowToolbar and ShowStatusbar keep the value as stored. A field the bytes do
// not hold completely keeps the value `options` holds, as do all fields after a WindowState
// type code other than 2 or 3 (and WindowState itself). Returns true when every field was read.
// DifferByElementType is read from the spare area whatever the form: empty unless the marker
// and a value of 0 or 1 are there.
bool DecodeTableOptions(const std::uint8_t* bytes, std::size_t length, TableOptions& options);

// "If the width is not at least 5000 it becomes 5000; if the height is not at least 3000 it
// becomes 3000." A size that is not a finite number (NaN or infinite) counts as not at least.
void ApplyMinimumSize(TableOptions& options);

// The text filled up with blanks or cut to kColorsDataLength characters.
std::string FitColorsData(const std::string& text);

// Reads Table.ini into `options`. A missing file reads as an empty one and is not created (it
// appears when first written). Returns false, with `options` unchanged, when the file is empty
// (the caller then starts from DefaultTableOptions); true after reading the record as
// DecodeTableOptions does. On failure `options` is left unchanged and a
// periodic::DataError naming the file and the cause is thrown.
bool ReadTableIni(const std::string& path, TableOptions& options);

// Writes `options` as record 1 of Table.ini. The file is replaced as a whole through a temporary
// file in the same folder, keeping any bytes of an existing longer file after the record. On
// failure the old file is untouched, nothing is left behind and a periodic::DataError
// "cannot write file '<path>': <cause>" is thrown.
void WriteTableIni(const std::string& path, const TableOptions& options);

}  // namespace table
