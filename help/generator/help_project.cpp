#include "help/generator/help_project.h"

#include <sstream>

#include "help/generator/element_text.h"

namespace periodic {
namespace {

void WriteSection(std::ostream& out, const HelpTopic& topic, int depth) {
  const std::string indent(2 * depth, ' ');
  out << indent << "<section title=\"" << HtmlEscape(topic.title) << "\" ref=\""
      << HtmlEscape(topic.path) << "\"";
  if (topic.children.empty()) {
    out << "/>\n";
    return;
  }
  out << ">\n";
  for (const HelpTopic& child : topic.children) WriteSection(out, child, depth + 1);
  out << indent << "</section>\n";
}

void WriteKeywords(std::ostream& out, const HelpTopic& topic) {
  for (const std::string& word : topic.keywords)
    out << "      <keyword name=\"" << HtmlEscape(word) << "\" ref=\"" << HtmlEscape(topic.path)
        << "\"/>\n";
  for (const HelpTopic& child : topic.children) WriteKeywords(out, child);
}

}  // namespace

std::string HelpProjectXml(const std::vector<HelpTopic>& contents,
                           const std::vector<std::string>& files) {
  std::ostringstream out;
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<QtHelpProject version=\"1.0\">\n"
      << "  <namespace>" << kHelpNamespace << "</namespace>\n"
      << "  <virtualFolder>" << kHelpFolder << "</virtualFolder>\n"
      << "  <filterSection>\n    <toc>\n";
  for (const HelpTopic& topic : contents) WriteSection(out, topic, 3);
  out << "    </toc>\n    <keywords>\n";
  for (const HelpTopic& topic : contents) WriteKeywords(out, topic);
  out << "    </keywords>\n    <files>\n";
  for (const std::string& file : files) out << "      <file>" << HtmlEscape(file) << "</file>\n";
  out << "    </files>\n  </filterSection>\n</QtHelpProject>\n";
  return out.str();
}

std::string CollectionProjectXml(const std::string& qhpName, const std::string& qchName) {
  std::ostringstream out;
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<QHelpCollectionProject version=\"1.0\">\n"
      << "  <docFiles>\n    <generate>\n      <file>\n        <input>" << HtmlEscape(qhpName)
      << "</input>\n        <output>" << HtmlEscape(qchName)
      << "</output>\n      </file>\n    </generate>\n    <register>\n      <file>"
      << HtmlEscape(qchName) << "</file>\n    </register>\n  </docFiles>\n"
      << "</QHelpCollectionProject>\n";
  return out.str();
}

}  // namespace periodic
