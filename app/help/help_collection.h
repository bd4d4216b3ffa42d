#pragma once

#include <QString>
#include <memory>

class QHelpEngine;

namespace table {

// The compiled help beside the program: Table.qch in the program's folder.
QString DefaultHelpFile();

// The search index the build writes beside the help file `helpFile`: TableSearch.db.
QString SearchIndexFile(const QString& helpFile);

// Where the help engine keeps its collection and search index: the user's cache folder, since
// the program's folder may be read-only.
QString DefaultHelpCache();

// A help engine over `helpFile`, its collection and search index in a folder of `cacheFolder`
// that belongs to this very file (a new or changed file gets a fresh one). Null, with a message
// in Russian that names the file, when the help is missing or cannot be read.
std::unique_ptr<QHelpEngine> OpenHelpEngine(const QString& helpFile, const QString& cacheFolder,
                                            QString& problem);

}  // namespace table
