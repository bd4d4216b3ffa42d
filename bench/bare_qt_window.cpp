// The floor for the start-up benchmark: the least a Qt Widgets program does before its first
// window is mapped (an application object, one empty window of the main window's size, shown).
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(771, 428);
  window.show();
  return QApplication::exec();
}
