#include "platform/virtual_key.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

#include "russian_key_events.h"

namespace periodic {
namespace {

TEST(VirtualKeyTest, RussianLettersGiveTheLatinKeyTheySitOn) {
  for (const RussianKey& key : kRussianKeys) {
    EXPECT_EQ(VirtualKey(key.capital, 0, false), key.latin) << key.x11Keycode;
    EXPECT_EQ(VirtualKey(key.capital, key.x11Keycode, false), key.latin) << key.x11Keycode;
    EXPECT_EQ(VirtualKey(key.capital, key.x11Keycode, true), key.latin) << key.x11Keycode;
  }
}

TEST(VirtualKeyTest, X11KeycodeDecidesOverTheReportedKey) {
  // A layout whose letters the table does not know still maps by the key's position.
  EXPECT_EQ(VirtualKey(0x05D5, 33, true), Qt::Key_P);
  EXPECT_EQ(VirtualKey(0x05D5, 33, false), 0x05D5);
}

TEST(VirtualKeyTest, OtherKeysPassThrough) {
  for (const int key : {int(Qt::Key_P), int(Qt::Key_F1), int(Qt::Key_Up), int(Qt::Key_Escape),
                        int(Qt::Key_5), int(Qt::Key_Return)}) {
    EXPECT_EQ(VirtualKey(key, 0, false), key);
  }
  EXPECT_EQ(VirtualKey(Qt::Key_F1, 67, true), Qt::Key_F1);
}

TEST(VirtualKeyTest, ReadsTheEvent) {
  const QKeyEvent event(QEvent::KeyPress, u'З', Qt::ShiftModifier, 33, 0, 0, "З");
  EXPECT_EQ(VirtualKey(event), Qt::Key_P);
}

}  // namespace
}  // namespace periodic
