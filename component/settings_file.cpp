#include "component/settings_file.h"

#include <vector>

#include "data/atomic_file.h"

namespace periodic {
namespace {

constexpr std::size_t kFlagCount = 9;
constexpr std::size_t kZoomOffset = 18;
constexpr std::size_t kReservedOffset = 22;
constexpr std::size_t kViewerFlagOffset = 32;

// The nine flags in their order in the record.
constexpr bool DisplayOptions::*kFlags[kFlagCount] = {
    &DisplayOptions::LongPeriods,       &DisplayOptions::ShowAtomicMass,
    &DisplayOptions::ShowElementsName,  &DisplayOptions::LatInsteadOfRus,
    &DisplayOptions::DifferSPDF,        &DisplayOptions::DifferMetalsNonmetals,
    &DisplayOptions::InvertColors,      &DisplayOptions::ShowHighestOxidesTable,
    &DisplayOptions::MoveOutInertGases,
};

void PutBool(std::uint8_t* at, bool value) {
  const std::uint8_t b = value ? 0xFF : 0x00;
  at[0] = b;
  at[1] = b;
}

bool GetBool(const std::uint8_t* at) {
  return at[0] != 0 || at[1] != 0;
}

}  // namespace

std::array<std::uint8_t, kSettingsRecordSize> EncodeSettings(const DisplayOptions& options) {
  std::array<std::uint8_t, kSettingsRecordSize> bytes{};
  for (std::size_t i = 0; i < kFlagCount; ++i) PutBool(&bytes[2 * i], options.*kFlags[i]);
  const auto zoom = static_cast<std::uint32_t>(options.ZoomVal);
  for (std::size_t i = 0; i < 4; ++i)
    bytes[kZoomOffset + i] = static_cast<std::uint8_t>(zoom >> (8 * i));
  for (std::size_t i = 0; i < options.Reserved.size(); ++i)
    bytes[kReservedOffset + i] = options.Reserved[i];
  PutBool(&bytes[kViewerFlagOffset], options.OpenViewerOnDblClick);
  return bytes;
}

void DecodeSettings(const std::uint8_t* bytes, std::size_t length, DisplayOptions& options) {
  const DisplayOptions defaults;
  for (std::size_t i = 0; i < kFlagCount; ++i) {
    options.*kFlags[i] = length >= 2 * i + 2 ? GetBool(&bytes[2 * i]) : defaults.*kFlags[i];
  }
  if (length >= kZoomOffset + 4) {
    std::uint32_t zoom = 0;
    for (std::size_t i = 0; i < 4; ++i)
      zoom |= static_cast<std::uint32_t>(bytes[kZoomOffset + i]) << (8 * i);
    options.ZoomVal = static_cast<std::int32_t>(zoom);
  } else {
    options.ZoomVal = defaults.ZoomVal;
  }
  for (std::size_t i = 0; i < options.Reserved.size(); ++i) {
    if (length > kReservedOffset + i) options.Reserved[i] = bytes[kReservedOffset + i];
  }
  options.OpenViewerOnDblClick = length >= kViewerFlagOffset + 2
                                     ? GetBool(&bytes[kViewerFlagOffset])
                                     : defaults.OpenViewerOnDblClick;
}

void ReadOptionsFile(const std::string& path, DisplayOptions& options) {
  const std::vector<std::uint8_t> bytes = ReadFilePrefix(path, kSettingsRecordSize);
  DecodeSettings(bytes.data(), bytes.size(), options);
}

void WriteOptionsFile(const std::string& path, const DisplayOptions& options) {
  const auto record = EncodeSettings(options);
  WriteFilePrefix(path, std::vector<std::uint8_t>(record.begin(), record.end()));
}

}  // namespace periodic
