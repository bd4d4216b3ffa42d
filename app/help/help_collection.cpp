#include "app/help/help_collection.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHelpEngine>
#include <QStandardPaths>

#include "app/help/search_help.h"
#include "help/generator/help_project.h"

namespace table {
namespace {

// A folder name that changes whenever the help file is replaced.
QString FolderKey(const QFileInfo& file) {
  QCryptographicHash hash(QCryptographicHash::Sha1);
  hash.addData(file.absoluteFilePath().toUtf8());
  hash.addData(QByteArray::number(file.size()));
  hash.addData(QByteArray::number(file.lastModified().toMSecsSinceEpoch()));
  return QString::fromLatin1(hash.result().toHex().left(16));
}

QString NotInstalled(const QString& helpFile) {
  return QString("Справка не установлена: не найден файл %1.")
      .arg(QDir::toNativeSeparators(helpFile));
}

QString Unreadable(const QString& helpFile, const QString& reason) {
  return QString("Справка не установлена: файл %1 повреждён или не читается (%2).")
      .arg(QDir::toNativeSeparators(helpFile), reason);
}

}  // namespace

QString DefaultHelpFile() {
  return QCoreApplication::applicationDirPath() + "/Table.qch";
}

QString SearchIndexFile(const QString& helpFile) {
  return QFileInfo(helpFile).absolutePath() + "/" + kSearchIndexFileName;
}

QString DefaultHelpCache() {
  return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/help";
}

std::unique_ptr<QHelpEngine> OpenHelpEngine(const QString& helpFile, const QString& cacheFolder,
                                            QString& problem) {
  const QFileInfo file(helpFile);
  if (!file.isFile()) {
    problem = NotInstalled(helpFile);
    return nullptr;
  }
  const QString key = FolderKey(file);
  QString folder = cacheFolder + "/" + key;
  // Without a cache folder the collection goes to the temporary folder.
  if (!QDir().mkpath(folder)) folder = QDir::tempPath() + "/table-help-" + key;
  if (!QDir().mkpath(folder)) {
    problem = Unreadable(helpFile, "нет папки для указателя поиска " + folder);
    return nullptr;
  }
  auto engine = std::make_unique<QHelpEngine>(folder + "/Table.qhc");
  engine->setReadOnly(false);
  if (!engine->setupData()) {
    problem = Unreadable(helpFile, engine->error());
    return nullptr;
  }
  const QString ns = periodic::kHelpNamespace;
  if (!engine->registeredDocumentations().contains(ns) &&
      !engine->registerDocumentation(file.absoluteFilePath())) {
    problem = Unreadable(helpFile, engine->error());
    return nullptr;
  }
  if (!engine->registeredDocumentations().contains(ns)) {
    problem = Unreadable(helpFile, "в файле нет страниц этой программы");
    return nullptr;
  }
  return engine;
}

}  // namespace table
