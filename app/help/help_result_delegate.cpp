#include "app/help/help_result_delegate.h"

#include <QAbstractScrollArea>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTextDocument>

namespace table {
namespace {

constexpr int kMargin = 4;

// The result as a small document: the title in bold, the passage below it.
void Fill(QTextDocument& document, const QStyleOptionViewItem& option, const QModelIndex& index) {
  document.setDefaultFont(option.font);
  document.setDocumentMargin(kMargin);
  document.setHtml("<b>" + index.data(Qt::DisplayRole).toString().toHtmlEscaped() +
                   "</b><br><small>" + index.data(HelpResultDelegate::kSnippetRole).toString() +
                   "</small>");
  // The list's width, so that long passages wrap instead of widening the list.
  const auto* view = qobject_cast<const QAbstractScrollArea*>(option.widget);
  document.setTextWidth(view ? view->viewport()->width() : option.rect.width());
}

}  // namespace

void HelpResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  QStyleOptionViewItem background = option;
  initStyleOption(&background, index);
  background.text.clear();
  const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &background, painter, option.widget);

  QTextDocument document;
  Fill(document, option, index);
  QAbstractTextDocumentLayout::PaintContext context;
  const bool selected = option.state & QStyle::State_Selected;
  context.palette.setColor(
      QPalette::Text, option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter->save();
  painter->translate(option.rect.topLeft());
  painter->setClipRect(QRect(QPoint(0, 0), option.rect.size()));
  document.documentLayout()->draw(painter, context);
  painter->restore();
}

QSize HelpResultDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
  QTextDocument document;
  Fill(document, option, index);
  return QSize(static_cast<int>(document.idealWidth()), static_cast<int>(document.size().height()));
}

}  // namespace table
