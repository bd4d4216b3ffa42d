#include "platform/virtual_key.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <array>
#include <utility>

namespace periodic {
namespace {

// X11 keycodes (evdev) of the letter keys, row by row, as on a US keyboard.
constexpr std::array<std::pair<quint32, int>, 26> kX11Letters{{
    {24, Qt::Key_Q}, {25, Qt::Key_W}, {26, Qt::Key_E}, {27, Qt::Key_R}, {28, Qt::Key_T},
    {29, Qt::Key_Y}, {30, Qt::Key_U}, {31, Qt::Key_I}, {32, Qt::Key_O}, {33, Qt::Key_P},
    {38, Qt::Key_A}, {39, Qt::Key_S}, {40, Qt::Key_D}, {41, Qt::Key_F}, {42, Qt::Key_G},
    {43, Qt::Key_H}, {44, Qt::Key_J}, {45, Qt::Key_K}, {46, Qt::Key_L}, {52, Qt::Key_Z},
    {53, Qt::Key_X}, {54, Qt::Key_C}, {55, Qt::Key_V}, {56, Qt::Key_B}, {57, Qt::Key_N},
    {58, Qt::Key_M},
}};

// The Russian (ЙЦУКЕН) layout's capital letters and the Latin keys that carry them. Qt reports
// a Cyrillic letter's key as the capital letter's code point.
constexpr std::array<std::pair<char16_t, int>, 33> kRussianLetters{{
    {u'Й', Qt::Key_Q},         {u'Ц', Qt::Key_W},           {u'У', Qt::Key_E},
    {u'К', Qt::Key_R},         {u'Е', Qt::Key_T},           {u'Н', Qt::Key_Y},
    {u'Г', Qt::Key_U},         {u'Ш', Qt::Key_I},           {u'Щ', Qt::Key_O},
    {u'З', Qt::Key_P},         {u'Х', Qt::Key_BracketLeft}, {u'Ъ', Qt::Key_BracketRight},
    {u'Ф', Qt::Key_A},         {u'Ы', Qt::Key_S},           {u'В', Qt::Key_D},
    {u'А', Qt::Key_F},         {u'П', Qt::Key_G},           {u'Р', Qt::Key_H},
    {u'О', Qt::Key_J},         {u'Л', Qt::Key_K},           {u'Д', Qt::Key_L},
    {u'Ж', Qt::Key_Semicolon}, {u'Э', Qt::Key_Apostrophe},  {u'Я', Qt::Key_Z},
    {u'Ч', Qt::Key_X},         {u'С', Qt::Key_C},           {u'М', Qt::Key_V},
    {u'И', Qt::Key_B},         {u'Т', Qt::Key_N},           {u'Ь', Qt::Key_M},
    {u'Б', Qt::Key_Comma},     {u'Ю', Qt::Key_Period},      {u'Ё', Qt::Key_QuoteLeft},
}};

bool NativeScanCodesAreX11Keycodes() {
  static const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
  return x11;
}

}  // namespace

int VirtualKey(int qtKey, quint32 nativeScanCode, bool scanCodeIsX11Keycode) {
  if (nativeScanCode != 0 && scanCodeIsX11Keycode) {
    for (const auto& [keycode, latin] : kX11Letters) {
      if (keycode == nativeScanCode) return latin;
    }
  }
  for (const auto& [letter, latin] : kRussianLetters) {
    if (qtKey == static_cast<int>(letter)) return latin;
  }
  return qtKey;
}

int VirtualKey(const QKeyEvent& event) {
  return VirtualKey(event.key(), event.nativeScanCode(), NativeScanCodesAreX11Keycodes());
}

}  // namespace periodic
