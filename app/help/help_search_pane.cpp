#include "app/help/help_search_pane.h"

#include <QHBoxLayout>
#include <QHelpSearchEngine>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace table {

HelpSearchPane::HelpSearchPane(QHelpSearchEngine& engine, QWidget* parent)
    : QWidget(parent), m_engine(engine) {
  setObjectName("HelpSearchPane");
  txtSearch = new QLineEdit(this);
  txtSearch->setObjectName("txtSearch");
  txtSearch->setPlaceholderText("Слово или несколько слов");
  cmdSearch = new QPushButton("&Найти", this);
  cmdSearch->setObjectName("cmdSearch");
  lblSearchStatus = new QLabel(this);
  lblSearchStatus->setObjectName("lblSearchStatus");
  lblSearchStatus->setWordWrap(true);
  lstSearchResults = new QListWidget(this);
  lstSearchResults->setObjectName("lstSearchResults");

  auto* queryRow = new QHBoxLayout;
  queryRow->addWidget(txtSearch, 1);
  queryRow->addWidget(cmdSearch);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(new QLabel("Искать страницы, где есть:", this));
  layout->addLayout(queryRow);
  layout->addWidget(lblSearchStatus);
  layout->addWidget(lstSearchResults, 1);

  connect(cmdSearch, &QPushButton::clicked, this, [this] { search(txtSearch->text()); });
  connect(txtSearch, &QLineEdit::returnPressed, cmdSearch, &QPushButton::click);
  connect(lstSearchResults, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { emit pageChosen(item->data(Qt::UserRole).toUrl()); });
  connect(lstSearchResults, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { emit pageChosen(item->data(Qt::UserRole).toUrl()); });
  connect(&m_engine, &QHelpSearchEngine::indexingStarted, this, [this] {
    m_indexing = true;
    lblSearchStatus->setText("Готовится указатель для поиска...");
  });
  connect(&m_engine, &QHelpSearchEngine::indexingFinished, this, [this] {
    m_indexing = false;
    lblSearchStatus->clear();
    runPendingQuery();
  });
  connect(&m_engine, &QHelpSearchEngine::searchingFinished, this, &HelpSearchPane::showResults);
  m_indexing = true;
  m_engine.reindexDocumentation();
}

void HelpSearchPane::focusQuery() {
  txtSearch->setFocus();
  txtSearch->selectAll();
}

void HelpSearchPane::search(const QString& text) {
  txtSearch->setText(text);
  m_pending = text.trimmed();
  if (!m_indexing) runPendingQuery();
}

void HelpSearchPane::runPendingQuery() {
  if (m_pending.isEmpty()) return;
  lblSearchStatus->setText("Идёт поиск...");
  m_engine.search(m_pending);
  m_pending.clear();
}

void HelpSearchPane::showResults(int hits) {
  lstSearchResults->clear();
  for (const QHelpSearchResult& result : m_engine.searchResults(0, hits)) {
    auto* item = new QListWidgetItem(result.title(), lstSearchResults);
    item->setData(Qt::UserRole, result.url());
    item->setToolTip(result.snippet());
  }
  lblSearchStatus->setText(hits == 0 ? "Ничего не найдено."
                                     : QString("Найдено страниц: %1").arg(hits));
  emit searchFinished(hits);
}

}  // namespace table
