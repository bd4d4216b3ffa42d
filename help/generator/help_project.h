#pragma once

#include <string>
#include <vector>

namespace periodic {

// One page of the help collection as the contents and the index list it.
struct HelpTopic {
  std::string title;
  std::string path;                   // inside the collection: "html/Fe.htm"
  std::vector<std::string> keywords;  // index entries leading to the page
  std::vector<HelpTopic> children;    // sections below it in the contents
};

constexpr const char* kHelpNamespace = "ru.periodic.table.help";
constexpr const char* kHelpFolder = "doc";

// The help project file (.qhp): the contents tree, the index and every file of the collection.
std::string HelpProjectXml(const std::vector<HelpTopic>& contents,
                           const std::vector<std::string>& files);

// The collection project file (.qhcp) that registers the compiled help file `qchName`.
std::string CollectionProjectXml(const std::string& qhpName, const std::string& qchName);

}  // namespace periodic
