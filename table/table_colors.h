#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace periodic {

// The colours the table cells are drawn with: four block colours (s, p, d, f), eight colours for
// element categories, and the switch that lets the element-type colours win over the
// metal/non-metal ones. A colour is 0x00BBGGRR (red in the lowest byte); no value is checked, any
// 32-bit value is stored and returned as it is.
//
// The scheme turns itself into a one-line text (SaveData) and back (LoadData, or LoadData2 for the
// hexadecimal form) so that a host can keep it in its own configuration. Reading never fails
// loudly: on any error the scheme falls back to its defaults.
class clsTableColors {
 public:
  static constexpr std::int32_t kDefaultSColor = 255;
  static constexpr std::int32_t kDefaultPColor = 16711680;
  static constexpr std::int32_t kDefaultDColor = 10066176;
  static constexpr std::int32_t kDefaultFColor = 9868950;
  static constexpr std::int32_t kDefaultMetallColor = 12303359;
  static constexpr std::int32_t kDefaultNonMetallColor = 10744303;
  static constexpr std::int32_t kDefaultAmfoternColor = 13434879;
  static constexpr std::int32_t kDefaultInertGassColor = 11269045;
  static constexpr std::int32_t kDefaultAlkalineColor = 13132850;
  static constexpr std::int32_t kDefaultAlkalineplainColor = 6604850;
  static constexpr std::int32_t kDefaultHalogenColor = 16744703;
  static constexpr std::int32_t kDefaultTransitionalColor = 3302600;

  clsTableColors() { RestoreDefaults(); }

  std::int32_t SColor() const { return m_sColor; }
  void setSColor(std::int32_t value) { m_sColor = value; }
  std::int32_t PColor() const { return m_pColor; }
  void setPColor(std::int32_t value) { m_pColor = value; }
  std::int32_t DColor() const { return m_dColor; }
  void setDColor(std::int32_t value) { m_dColor = value; }
  std::int32_t FColor() const { return m_fColor; }
  void setFColor(std::int32_t value) { m_fColor = value; }
  std::int32_t MetallColor() const { return m_metallColor; }
  void setMetallColor(std::int32_t value) { m_metallColor = value; }
  std::int32_t NonMetallColor() const { return m_nonMetallColor; }
  void setNonMetallColor(std::int32_t value) { m_nonMetallColor = value; }
  std::int32_t AmfoternColor() const { return m_amfoternColor; }
  void setAmfoternColor(std::int32_t value) { m_amfoternColor = value; }
  std::int32_t InertGassColor() const { return m_inertGassColor; }
  void setInertGassColor(std::int32_t value) { m_inertGassColor = value; }
  std::int32_t AlkalineColor() const { return m_alkalineColor; }
  void setAlkalineColor(std::int32_t value) { m_alkalineColor = value; }
  std::int32_t AlkalineplainColor() const { return m_alkalineplainColor; }
  void setAlkalineplainColor(std::int32_t value) { m_alkalineplainColor = value; }
  std::int32_t HalogenColor() const { return m_halogenColor; }
  void setHalogenColor(std::int32_t value) { m_halogenColor = value; }
  std::int32_t TransitionalColor() const { return m_transitionalColor; }
  void setTransitionalColor(std::int32_t value) { m_transitionalColor = value; }
  bool DifferByElementType() const { return m_differByElementType; }
  void setDifferByElementType(bool value) { m_differByElementType = value; }

  // All twelve colours back to their defaults, DifferByElementType off.
  void RestoreDefaults();

  // Colour for an element with the given category code: 0 is an inert gas; bit 1 metal, 2
  // non-metal (both: amphoteric), 4 alkali, 8 alkaline-earth, 16 halogen, 32 transition element;
  // 64, 128 and 256 carry no colour. The last four count only with DifferByElementType. A code
  // above 511 sets every flag, a negative code none (result black).
  std::int32_t GetColor(std::int32_t Num) const;

  // The twelve colours as decimal numbers, each preceded by a blank (or by its minus sign when
  // negative), followed by one blank. Order: S, P, D, F, metal, non-metal, inert gas, amphoteric,
  // alkali, alkaline-earth, halogen, transition. DifferByElementType is not written.
  std::string SaveData() const;

  // Reads the text SaveData writes. Data is left trimmed of leading and trailing blanks with one
  // blank appended. Fewer than twelve values, a value outside the 32-bit range or a separating
  // blank at position 32767 or later restores the defaults; a value that is not a number reads
  // as 0. Text after the twelfth value is ignored.
  void LoadData(std::string& Data);

  // Reads twelve hexadecimal numbers (no prefix), in SaveData's order, each followed by one
  // blank. The absolute value of each number is stored. Data is not trimmed. Errors restore the
  // defaults as in LoadData.
  void LoadData2(const std::string& Data);

  bool operator==(const clsTableColors&) const = default;

 private:
  // The colours in the order of the colour text (inert gas before amphoteric).
  std::array<std::int32_t, 12> InTextOrder() const;
  void SetInTextOrder(const std::array<std::int32_t, 12>& values);
  // The values of a text that was read whole, or all defaults for one that was not.
  void SetInTextOrderOrDefaults(const std::optional<std::array<std::int32_t, 12>>& values);

  std::int32_t m_sColor = 0;
  std::int32_t m_pColor = 0;
  std::int32_t m_dColor = 0;
  std::int32_t m_fColor = 0;
  std::int32_t m_metallColor = 0;
  std::int32_t m_nonMetallColor = 0;
  std::int32_t m_amfoternColor = 0;
  std::int32_t m_inertGassColor = 0;
  std::int32_t m_alkalineColor = 0;
  std::int32_t m_alkalineplainColor = 0;
  std::int32_t m_halogenColor = 0;
  std::int32_t m_transitionalColor = 0;
  bool m_differByElementType = false;
};

}  // namespace periodic
