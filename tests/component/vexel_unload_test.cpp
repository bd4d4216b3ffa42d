#include <gtest/gtest.h>

#include <QSignalSpy>

#include "vexel_host.h"

namespace {

// The unload flag belongs to the thread and nothing clears it, so this runs on its own.
TEST(VexelUnload, AfterUnloadMeResizesLeaveTheChildrenAlone) {
  VexelHost host;
  host.control().InitProperties();
  host.resizeTwips(9000, 6000);
  QWidget* container = host.child<QWidget>("picContainer");
  const QSize before = container->size();
  ASSERT_FALSE(host.control().UnloadMe().failed());
  QSignalSpy status(&host.widget(), SIGNAL(ChangeStatusbarText(QString)));
  host.resizeTwips(4500, 3000);
  EXPECT_EQ(container->size(), before);
  EXPECT_EQ(status.count(), 0);

  // The flag holds for every control on the thread, a new one included.
  VexelHost second;
  second.control().InitProperties();
  const QSize initial = second.child<QWidget>("picContainer")->size();
  QSignalSpy secondStatus(&second.widget(), SIGNAL(ChangeStatusbarText(QString)));
  second.resizeTwips(9000, 6000);
  EXPECT_EQ(second.child<QWidget>("picContainer")->size(), initial);
  EXPECT_EQ(secondStatus.count(), 0);
}

}  // namespace
