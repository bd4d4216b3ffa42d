#include "app/help/help_search_pane.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/help/help_result_delegate.h"
#include "app/help/help_topics.h"

namespace table {
namespace {

constexpr int kMostResults = 50;

}  // namespace

HelpSearchPane::HelpSearchPane(const QString& indexFile, QWidget* parent) : QWidget(parent) {
  setObjectName("HelpSearchPane");
  txtSearch = new QLineEdit(this);
  txtSearch->setObjectName("txtSearch");
  txtSearch->setPlaceholderText("Слово или несколько слов");
  txtSearch->setClearButtonEnabled(true);
  lblSearchStatus = new QLabel(this);
  lblSearchStatus->setObjectName("lblSearchStatus");
  lblSearchStatus->setWordWrap(true);
  lstSearchResults = new QListWidget(this);
  lstSearchResults->setObjectName("lstSearchResults");
  lstSearchResults->setItemDelegate(new HelpResultDelegate(lstSearchResults));
  lstSearchResults->setWordWrap(true);
  lstSearchResults->setResizeMode(QListView::Adjust);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(new QLabel("Искать страницы, где есть:", this));
  layout->addWidget(txtSearch);
  layout->addWidget(lblSearchStatus);
  layout->addWidget(lstSearchResults, 1);

  try {
    m_search = std::make_unique<periodic::HelpSearch>(indexFile.toStdString());
  } catch (const std::exception& e) {
    m_problem = QString("Поиск недоступен: не читается указатель %1 (%2).")
                    .arg(QDir::toNativeSeparators(indexFile), QString::fromStdString(e.what()));
    lblSearchStatus->setText(m_problem);
  }
  connect(txtSearch, &QLineEdit::textChanged, this, &HelpSearchPane::runQuery);
  connect(txtSearch, &QLineEdit::returnPressed, this, [this] {
    if (lstSearchResults->count() > 0)
      emit pageChosen(lstSearchResults->item(0)->data(Qt::UserRole).toUrl());
  });
  const auto choose = [this](QListWidgetItem* item) {
    emit pageChosen(item->data(Qt::UserRole).toUrl());
  };
  connect(lstSearchResults, &QListWidget::itemActivated, this, choose);
  connect(lstSearchResults, &QListWidget::itemClicked, this, choose);
}

HelpSearchPane::~HelpSearchPane() = default;

void HelpSearchPane::focusQuery() {
  txtSearch->setFocus();
  txtSearch->selectAll();
}

void HelpSearchPane::search(const QString& text) {
  if (txtSearch->text() == text)
    runQuery(text);
  else
    txtSearch->setText(text);
}

void HelpSearchPane::runQuery(const QString& text) {
  lstSearchResults->clear();
  m_query = text;
  std::vector<periodic::SearchHit> hits;
  if (m_search && !text.trimmed().isEmpty()) {
    try {
      hits = m_search->find(text.toStdString(), kMostResults);
    } catch (const std::exception& e) {
      lblSearchStatus->setText(QString::fromStdString(e.what()));
    }
  }
  for (const periodic::SearchHit& hit : hits) {
    auto* item = new QListWidgetItem(QString::fromStdString(hit.title), lstSearchResults);
    item->setData(Qt::UserRole, TopicUrl(QString::fromStdString(hit.path)));
    item->setData(HelpResultDelegate::kSnippetRole, QString::fromStdString(hit.snippet));
  }
  const int count = static_cast<int>(hits.size());
  if (!m_problem.isEmpty())
    lblSearchStatus->setText(m_problem);
  else if (text.trimmed().isEmpty())
    lblSearchStatus->clear();
  else
    lblSearchStatus->setText(count == 0             ? QString("Ничего не найдено.")
                             : count < kMostResults ? QString("Найдено страниц: %1").arg(count)
                                                    : QString("Показаны %1 лучших страниц из "
                                                              "найденных")
                                                          .arg(count));
  emit searchFinished(count);
}

std::vector<periodic::MatchedWord> HelpSearchPane::matchedWords(const QString& text) const {
  if (!m_search || m_query.trimmed().isEmpty()) return {};
  return m_search->matchedWords(text.toStdString(), m_query.toStdString());
}

}  // namespace table
