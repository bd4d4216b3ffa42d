#pragma once

#include <QMap>
#include <QPluginLoader>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "component/vexel_interface.h"

// Hosts the table control exactly as the program does: loads the library as a plugin from
// where the build put it and creates the control by its programmatic identifier.
class VexelHost {
 public:
  VexelHost();
  ~VexelHost();

  vexel::VexelControl& control() { return *m_control; }
  QWidget& widget() { return *m_control->widget(); }
  QWidget& window() { return m_window; }
  QObject& plugin() { return *m_loader.instance(); }
  QPluginLoader& loader() { return m_loader; }
  const vexel::Error& creationError() const { return m_creationError; }
  template <typename T>
  T* child(const char* name) {
    return widget().findChild<T*>(name);
  }
  // Resizes the control to a size in twips (15 twips a pixel).
  void resizeTwips(int width, int height);

 private:
  QPluginLoader m_loader;
  QWidget m_window;
  vexel::Error m_creationError;
  std::unique_ptr<vexel::VexelControl> m_control;
};

// A property store that keeps what was written, in order.
class MemoryPropertyBag : public vexel::PropertyBag {
 public:
  QVariant ReadProperty(const QString& name, const QVariant& defaultValue) override {
    return values.contains(name) ? values.value(name) : defaultValue;
  }
  void WriteProperty(const QString& name, const QVariant& value,
                     const QVariant& /*defaultValue*/) override {
    order << name;
    values.insert(name, value);
  }

  QMap<QString, QVariant> values;
  QStringList order;
};
