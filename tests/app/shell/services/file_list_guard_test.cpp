#include "app/shell/services/file_list_guard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

using table::KeepFileListsFromReadingFiles;
using table::SharedContentBlindIcons;

// Qt's provider tells a file's type, and looks up its icon, from its first bytes where the name
// does not tell: a file list so reads /proc/kmsg on the interface thread and waits for kernel
// messages. The program's provider goes by the name alone, so a file without an extension that
// holds a PNG picture is just a file.
TEST(FileListGuard, TypesAndIconsNeverComeFromTheFilesContents) {
  QTemporaryDir dir;
  QFile picture(dir.filePath("picture"));
  ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
  picture.write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  picture.close();

  const QFileInfo info(picture.fileName());
  ASSERT_TRUE(QFileIconProvider().type(info).contains("PNG"));  // the cause, still in Qt
  EXPECT_EQ(SharedContentBlindIcons().type(info), "Файл");
  EXPECT_TRUE(SharedContentBlindIcons().type(QFileInfo(dir.filePath("table.png"))).contains("PNG"));
  EXPECT_EQ(SharedContentBlindIcons().type(QFileInfo(dir.path())), "Папка");
  EXPECT_EQ(SharedContentBlindIcons().type(QFileInfo("/dev/null")), "Особый файл");
}

// The save dialog's and the print dialog's file lists get the provider, and so does every file
// dialog any window opens once the guard watches the application.
TEST(FileListGuard, EveryFileListOfTheDialogsUsesTheProvider) {
  const auto usesProvider = [](QWidget& window) {
    const QList<QFileSystemModel*> models = window.findChildren<QFileSystemModel*>();
    for (const QFileSystemModel* model : models) {
      if (model->iconProvider() != &SharedContentBlindIcons()) return false;
    }
    return true;
  };
  QFileDialog save;
  save.setOption(QFileDialog::DontUseNativeDialog);
  ASSERT_FALSE(save.findChildren<QFileSystemModel*>().isEmpty());
  EXPECT_FALSE(usesProvider(save));
  KeepFileListsFromReadingFiles(&save);
  EXPECT_TRUE(usesProvider(save));
  EXPECT_EQ(save.iconProvider(), &SharedContentBlindIcons());

  QPrinter printer;
  QPrintDialog print(&printer);
  KeepFileListsFromReadingFiles(&print);
  EXPECT_TRUE(usesProvider(print));

  table::FileListGuard guard;
  qApp->installEventFilter(&guard);
  QTemporaryDir start;
  QFileDialog opened(nullptr, "proc", start.path());
  opened.setOption(QFileDialog::DontUseNativeDialog);
  opened.show();
  ASSERT_TRUE(usesProvider(opened));
  // Listing /proc now asks the provider, which reads no file: closing does not wait for ever.
  opened.setDirectory("/proc");
  opened.close();
  qApp->removeEventFilter(&guard);
}

}  // namespace
