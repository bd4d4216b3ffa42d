#pragma once

#include <QStyledItemDelegate>

namespace table {

// Draws a search result as its page title over a passage of the page (HTML, the matched words
// in bold), both wrapped to the width of the list.
class HelpResultDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  // The item data role that holds the passage.
  static constexpr int kSnippetRole = Qt::UserRole + 1;

  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace table
