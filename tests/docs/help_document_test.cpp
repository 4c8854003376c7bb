// The help document as built beside the program, read against the program's own sources: every
// message box text the program can show is in the help's list of messages, and sentences that
// once contradicted the program stay gone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string collapseSpaces(const std::string& text) {
  return std::regex_replace(text, std::regex(R"(\s+)"), " ");
}

// The text a reader sees: tags dropped, the entities the help uses resolved, spaces collapsed.
std::string visibleText(std::string html) {
  html = std::regex_replace(html, std::regex("<[^>]*>"), " ");
  const std::pair<const char*, const char*> entities[] = {
      {"&nbsp;", " "}, {"&quot;", "\""}, {"&#39;", "'"}, {"&lt;", "<"}, {"&gt;", ">"},
      {"&amp;", "&"}};
  for (const auto& [entity, character] : entities) {
    for (std::size_t at; (at = html.find(entity)) != std::string::npos;)
      html.replace(at, std::string(entity).size(), character);
  }
  return collapseSpaces(html);
}

std::string helpText() {
  const std::string html = readFile(fs::path(KELVRA_BIN_DIR) / "docs" / "Kelvra95.htm");
  EXPECT_FALSE(html.empty()) << "no built help document";
  return visibleText(html);
}

// The part of the help between two section anchors.
std::string section(const std::string& html, const char* id, const char* nextId) {
  const std::size_t from = html.find(std::string("id=\"") + id + "\"");
  const std::size_t to = html.find(std::string("id=\"") + nextId + "\"");
  EXPECT_NE(from, std::string::npos) << id;
  EXPECT_NE(to, std::string::npos) << nextId;
  return visibleText(html.substr(from, to - from));
}

// The fixed parts of a C++ expression's string literals, as the user reads them: adjacent
// literals joined, escapes resolved, split at line breaks and %1-style placeholders, trimmed.
// Parts under 12 characters ("Contact: ", "or") name nothing by themselves and are dropped.
std::vector<std::string> fixedParts(const std::string& code) {
  std::string joined;
  std::vector<std::string> literals;
  const std::regex literal(R"re("((?:[^"\\]|\\.)*)"(\s*(?="))?)re");
  for (auto it = std::sregex_iterator(code.begin(), code.end(), literal);
       it != std::sregex_iterator(); ++it) {
    joined += (*it)[1].str();
    if (!(*it)[2].matched) {
      literals.push_back(joined);
      joined.clear();
    }
  }
  std::vector<std::string> parts;
  for (const std::string& raw : literals) {
    std::string text = std::regex_replace(raw, std::regex(R"(\\[nr]|%[0-9])"), "\x01");
    text = std::regex_replace(text, std::regex(R"(\\(.))"), "$1");
    std::stringstream pieces(text);
    for (std::string piece; std::getline(pieces, piece, '\x01');) {
      piece = collapseSpaces(piece);
      piece = std::regex_replace(piece, std::regex("^ | $"), "");
      if (piece.size() >= 12) parts.push_back(piece);
    }
  }
  return parts;
}

// The body of the function `name` defined at the start of a line in one of the sources.
std::string definitionOf(const std::map<fs::path, std::string>& sources, const std::string& name) {
  const std::regex head("(^|\n)[A-Za-z][^\n;]*\\b" + name + "\\([^;{]*\\{");
  for (const auto& [path, code] : sources) {
    std::smatch m;
    if (!std::regex_search(code, m, head)) continue;
    const std::size_t begin = m.position(0);
    return code.substr(begin, code.find("\n}\n", begin) - begin);
  }
  return {};
}

struct MessageSource {
  std::string where;  // file and what is shown
  std::string code;   // the code whose literals make the text
};

// Every text handed to a message box (ShowError, ShowMessage, or a printing failure's reason,
// which ends in one), found in the sources under ui/. An argument without a literal of its own
// is followed to the function that builds it; a variable must be named in `builders`.
std::vector<MessageSource> messageSources() {
  std::map<fs::path, std::string> sources;
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(KELVRA_SOURCE_DIR) / "ui")) {
    if (entry.path().extension() == ".cpp") sources[entry.path()] = readFile(entry.path());
  }
  // Variables that carry a message, and the function that makes it.
  const std::map<std::string, std::string> builders = {
      {"message", "HelpNotOpenedMessage"}, {"check.message", "CheckDate"}};
  std::vector<MessageSource> found;
  const std::regex call(R"(\b(ShowError|ShowMessage|reportFailure)\()");
  for (const auto& [path, code] : sources) {
    for (auto it = std::sregex_iterator(code.begin(), code.end(), call);
         it != std::sregex_iterator(); ++it) {
      const std::string call = (*it)[1];
      std::size_t at = it->position(0) + it->length(0);
      if (code.compare(at, 6, "const ") == 0) continue;  // a declaration or definition
      int depth = 1;
      std::size_t end = at;
      for (; end < code.size() && depth > 0; ++end) {
        if (code[end] == '(') ++depth;
        if (code[end] == ')') --depth;
      }
      const std::string argument = collapseSpaces(code.substr(at, end - 1 - at));
      const std::string where = path.filename().string() + ": " + argument;
      if (argument.find('"') != std::string::npos) {
        found.push_back({where, argument});
        continue;
      }
      // A printing failure's reason without a literal is the printing system's own words (or
      // the settings store's failure, whose box is a ShowError of its own).
      if (call == "reportFailure") continue;
      std::smatch m;
      std::string builder;
      if (std::regex_match(argument, m, std::regex(R"((\w+)\(.*\))"))) {
        builder = m[1];
      } else if (builders.count(argument) != 0) {
        builder = builders.at(argument);
      } else {
        ADD_FAILURE() << "A message box shows " << where
                      << ": name the function that makes it in `builders` and describe the "
                         "message in the help";
        continue;
      }
      const std::string body = definitionOf(sources, builder);
      EXPECT_FALSE(body.empty()) << "no definition of " << builder << " for " << where;
      found.push_back({where, body});
    }
  }
  return found;
}

TEST(HelpDocument, ListsEveryMessageTheProgramCanShow) {
  const std::string html = readFile(fs::path(KELVRA_BIN_DIR) / "docs" / "Kelvra95.htm");
  const std::string messages = section(html, "messages", "contact");
  const std::vector<MessageSource> sources = messageSources();
  // Help, pictures, fields, dialogs, printing, PDF and settings at the least.
  EXPECT_GE(sources.size(), 12u);
  std::set<std::string> checked;
  for (const MessageSource& source : sources) {
    const std::vector<std::string> parts = fixedParts(source.code);
    EXPECT_FALSE(parts.empty()) << "no readable text in " << source.where;
    for (const std::string& part : parts) {
      checked.insert(part);
      EXPECT_NE(messages.find(part), std::string::npos)
          << "\"" << part << "\" (" << source.where << ") is missing from the help's messages";
    }
  }
  // The texts every run can meet, whatever the code's shape.
  for (const char* text : {"Cannot find Help File",
                           "No program could open the Help File. Open it in a web browser:",
                           "The page could not be saved as a PDF.",
                           "The settings could not be saved to"}) {
    EXPECT_EQ(checked.count(text), 1u) << text << " was not found in the sources";
  }
}

TEST(HelpDocument, NoLongerDeniesWhatTheProgramDoes) {
  const std::string text = helpText();
  for (const char* stale : {
           "No shadows and no eclipses",                        // shadows and eclipses are drawn
           "lists no eclipse, occultation or transit events",   // the events window lists them
           "\"No printer is available\" and nothing is printed", // no printer saves a PDF
           "must be allowed to write in its own folder",        // the XDG folder is the fallback
           "keeps three settings",                              // two files, more settings
           "a minute early or late",                            // measured: minutes to an hour
       }) {
    EXPECT_EQ(text.find(stale), std::string::npos) << "the help still says: " << stale;
  }
}

}  // namespace
