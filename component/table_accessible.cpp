#include "component/table_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <map>

#include "component/vexel.h"
#include "data/element_record.h"
#include "platform/painter_sink.h"

namespace vexel {
namespace {

QWidget* OutputOf(const Vexel* table) {
  return table ? table->findChild<QWidget*>("picOutput") : nullptr;
}

// One cell of the table; it lives in Qt's accessibility cache and is looked up by its id.
class CellAccessible : public QAccessibleInterface {
 public:
  CellAccessible(Vexel* table, int n) : m_table(table), m_n(n) {}

  Vexel* table() const { return m_table; }
  int element() const { return m_n; }

  bool isValid() const override { return !m_table.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return m_table ? m_table->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(m_table.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (!m_table || t != QAccessible::Name) return {};
    return m_table->spokenName(m_n);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::Cell; }

  QRect rect() const override {
    const QWidget* output = OutputOf(m_table);
    if (!output) return {};
    const QRectF cell = m_table->cellOnOutput(m_n);
    const QRectF pixels(cell.topLeft() / periodic::kTwipsPerPixel,
                        cell.size() / periodic::kTwipsPerPixel);
    return QRect(output->mapToGlobal(pixels.topLeft().toPoint()), pixels.size().toSize());
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    state.focused = m_table && m_table->hasFocus() && m_table->FocusedElement() == m_n;
    state.selected = m_table && m_table->MarkedElement() == m_n;
    return state;
  }

 private:
  QPointer<Vexel> m_table;
  int m_n;
};

// The control as a table of element cells.
class TableAccessible : public QAccessibleWidget {
 public:
  explicit TableAccessible(Vexel* table)
      : QAccessibleWidget(table, QAccessible::Table), m_table(table) {}
  ~TableAccessible() override {
    for (const auto& [n, id] : m_cells)
      if (QAccessible::accessibleInterface(id)) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return periodic::kElementCount; }

  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= periodic::kElementCount) return nullptr;
    const auto found = m_cells.find(index + 1);
    if (found != m_cells.end()) {
      if (QAccessibleInterface* cell = QAccessible::accessibleInterface(found->second)) return cell;
    }
    auto* cell = new CellAccessible(m_table, index + 1);
    m_cells[index + 1] = QAccessible::registerAccessibleInterface(cell);
    return cell;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* cell = dynamic_cast<const CellAccessible*>(child);
    return cell && cell->table() == m_table ? cell->element() - 1 : -1;
  }

  QAccessibleInterface* focusChild() const override {
    if (!m_table || !m_table->hasFocus()) return nullptr;
    return child(m_table->FocusedElement() - 1);
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    for (int index = 0; index < periodic::kElementCount; ++index) {
      QAccessibleInterface* cell = child(index);
      if (cell && cell->rect().contains(x, y)) return cell;
    }
    return nullptr;
  }

  QString text(QAccessible::Text t) const override {
    QString own = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && own.isEmpty()) return "Периодическая система элементов";
    return own;
  }

 private:
  QPointer<Vexel> m_table;
  mutable std::map<int, QAccessible::Id> m_cells;
};

QAccessibleInterface* TableFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(Vexel::staticMetaObject.className())) return nullptr;
  auto* table = qobject_cast<Vexel*>(object);
  return table ? new TableAccessible(table) : nullptr;
}

// Controls alive on the user-interface thread.
int g_controls = 0;

}  // namespace

void InstallTableAccessibility() {
  if (g_controls++ == 0) QAccessible::installFactory(TableFactory);
}

void RemoveTableAccessibility() {
  if (g_controls > 0 && --g_controls == 0) QAccessible::removeFactory(TableFactory);
}

void NotifyFocusedCell(Vexel& control, int n) {
  if (!control.hasFocus() || !QAccessible::isActive()) return;
  QAccessibleEvent event(&control, QAccessible::Focus);
  event.setChild(n - 1);
  QAccessible::updateAccessibility(&event);
}

}  // namespace vexel
