#include "app/help/frm_help.h"

#include <QAction>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/help/help_browser.h"
#include "app/help/help_search_pane.h"
#include "app/help/help_topics.h"

namespace table {
namespace {

constexpr int kContentsTab = 0;
constexpr int kIndexTab = 1;
constexpr int kSearchTab = 2;

constexpr int kDesignWidth = 900;
constexpr int kDesignHeight = 640;

}  // namespace

QSize FittedHelpSize(QSize design, const QScreen* screen) {
  if (screen == nullptr) return design;
  // The frame the window manager will add is not known before the window is shown: room is
  // kept for a common one, a title bar and thin borders.
  constexpr int kFrameWidth = 2 * 8;
  constexpr int kFrameHeight = 40 + 8;
  const QSize room = screen->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight);
  return design.boundedTo(room.expandedTo(QSize(1, 1)));
}

frmHelp::frmHelp(std::unique_ptr<QHelpEngine> engine, const QString& problem,
                 const QString& searchIndexFile)
    : m_engine(std::move(engine)), m_problem(problem), m_searchIndexFile(searchIndexFile) {
  setObjectName("frmHelp");
  setWindowTitle("Справка - Периодическая система химических элементов");
  resize(FittedHelpSize(QSize(kDesignWidth, kDesignHeight), screen()));
  if (!m_engine) {
    auto* message = new QLabel(m_problem, this);
    message->setObjectName("lblHelpProblem");
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);
    message->setMargin(24);
    setCentralWidget(message);
    return;
  }
  createPanes();
  createToolbar();
}

frmHelp::~frmHelp() {
  // The panes show the engine's models: they go before the engine does.
  delete takeCentralWidget();
}

void frmHelp::createPanes() {
  auto* splitter = new QSplitter(this);
  tbsNavigation = new QTabWidget(splitter);
  tbsNavigation->setObjectName("tbsNavigation");

  QHelpContentWidget* contents = m_engine->contentWidget();
  contents->setObjectName("tvwContents");
  tbsNavigation->addTab(contents, "Содержание");
  connect(contents, &QHelpContentWidget::linkActivated, this, &frmHelp::showUrl);
  // A single click opens a page too, as in the contents of other help viewers.
  connect(contents, &QHelpContentWidget::clicked, this, [this](const QModelIndex& index) {
    if (const QHelpContentItem* item = m_engine->contentModel()->contentItemAt(index))
      showUrl(item->url());
  });

  auto* indexPage = new QWidget;
  txtIndexFilter = new QLineEdit(indexPage);
  txtIndexFilter->setObjectName("txtIndexFilter");
  txtIndexFilter->setPlaceholderText("Начните вводить слово");
  QHelpIndexWidget* index = m_engine->indexWidget();
  index->setObjectName("lstIndex");
  auto* indexLayout = new QVBoxLayout(indexPage);
  indexLayout->setContentsMargins(4, 4, 4, 4);
  indexLayout->addWidget(new QLabel("Искать в указателе:", indexPage));
  indexLayout->addWidget(txtIndexFilter);
  indexLayout->addWidget(index, 1);
  tbsNavigation->addTab(indexPage, "Указатель");
  connect(txtIndexFilter, &QLineEdit::textChanged, index,
          [index](const QString& text) { index->filterIndices(text); });
  connect(txtIndexFilter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
  connect(index, &QHelpIndexWidget::documentActivated, this,
          [this](const QHelpLink& link) { showUrl(link.url); });
  connect(index, &QHelpIndexWidget::documentsActivated, this,
          [this](const QList<QHelpLink>& links) {
            if (!links.isEmpty()) showUrl(links.first().url);
          });

  m_searchPane = new HelpSearchPane(m_searchIndexFile, tbsNavigation);
  tbsNavigation->addTab(m_searchPane, "Поиск");
  connect(m_searchPane, &HelpSearchPane::pageChosen, this, &frmHelp::showFound);

  m_browser = new HelpBrowser(*m_engine, splitter);
  splitter->addWidget(tbsNavigation);
  splitter->addWidget(m_browser);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({260, 640});
  setCentralWidget(splitter);
  connect(m_browser, &QTextBrowser::sourceChanged, this, [this, contents](const QUrl& url) {
    const QModelIndex at = contents->indexOf(url);
    if (at.isValid()) contents->setCurrentIndex(at);
  });
}

void frmHelp::createToolbar() {
  QToolBar* bar = addToolBar("Переходы");
  bar->setObjectName("tlbHelp");
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QAction* back = bar->addAction(QIcon::fromTheme("go-previous"), "Назад");
  back->setObjectName("cmdBack");
  back->setShortcut(QKeySequence::Back);
  back->setEnabled(false);
  connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
  connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  QAction* forward = bar->addAction(QIcon::fromTheme("go-next"), "Вперёд");
  forward->setObjectName("cmdForward");
  forward->setShortcut(QKeySequence::Forward);
  forward->setEnabled(false);
  connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
  connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  QAction* home = bar->addAction(QIcon::fromTheme("go-home"), "Начало");
  home->setObjectName("cmdHome");
  connect(home, &QAction::triggered, this, [this] { showTopic(kHomeTopic); });
}

void frmHelp::showUrl(const QUrl& url) {
  if (m_browser) m_browser->showPage(url);
}

// A page the search found, with the words it matched marked.
void frmHelp::showFound(const QUrl& url) {
  if (!m_browser) return;
  m_browser->showPage(url);
  std::vector<std::pair<int, int>> stretches;
  for (const periodic::MatchedWord& word :
       m_searchPane->matchedWords(m_browser->document()->toRawText()))
    stretches.emplace_back(static_cast<int>(word.start), static_cast<int>(word.length));
  m_browser->markText(stretches);
}

void frmHelp::showFirstPage() {
  if (m_browser && m_browser->source().isEmpty()) showTopic(kHomeTopic);
}

void frmHelp::showContents() {
  if (!tbsNavigation) return;
  tbsNavigation->setCurrentIndex(kContentsTab);
  m_engine->contentWidget()->setFocus();
  showFirstPage();
}

void frmHelp::showIndex() {
  if (!tbsNavigation) return;
  tbsNavigation->setCurrentIndex(kIndexTab);
  txtIndexFilter->setFocus();
  showFirstPage();
}

void frmHelp::showSearch() {
  if (!tbsNavigation) return;
  tbsNavigation->setCurrentIndex(kSearchTab);
  m_searchPane->focusQuery();
  showFirstPage();
}

void frmHelp::showTopic(const QString& path) {
  showUrl(TopicUrl(path));
}

QString frmHelp::currentTopic() const {
  return m_browser ? TopicPath(m_browser->source()) : QString();
}

}  // namespace table
