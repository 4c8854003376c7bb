// The help document as built beside the program, read against the program's own sources: every
// message box text the program can show is in the help's list of messages, and sentences that
// once contradicted the program stay gone.
#include <QKeySequence>

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "ui/common/settings_key.h"
#include "ui/windows/side_windows.h"

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool isWordCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

std::string collapseSpaces(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (std::isspace(static_cast<unsigned char>(c)) == 0) {
      out += c;
    } else if (out.empty() || out.back() != ' ') {
      out += ' ';
    }
  }
  return out;
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The text a reader sees: tags dropped, the entities the help uses resolved, spaces collapsed.
std::string visibleText(const std::string& html) {
  std::string text;
  bool inTag = false;
  for (const char c : html) {
    if (c == '<') inTag = true;
    if (!inTag) text += c;
    if (c == '>') {
      inTag = false;
      text += ' ';
    }
  }
  const std::pair<const char*, const char*> entities[] = {{"&nbsp;", " "}, {"&quot;", "\""},
                                                          {"&#39;", "'"},  {"&lt;", "<"},
                                                          {"&gt;", ">"},   {"&amp;", "&"}};
  for (const auto& [entity, character] : entities) {
    for (std::size_t at; (at = text.find(entity)) != std::string::npos;)
      text.replace(at, std::string(entity).size(), character);
  }
  return collapseSpaces(text);
}

std::string helpHtml() {
  const std::string html = readFile(fs::path(KELVRA_BIN_DIR) / "docs" / "Kelvra95.htm");
  EXPECT_FALSE(html.empty()) << "no built help document";
  return html;
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
  constexpr char kBreak = '\x01';
  std::vector<std::string> literals;
  std::string joined;
  for (std::size_t i = 0; i < code.size(); ++i) {
    if (code[i] != '"' || (i > 0 && code[i - 1] == '\'')) continue;
    // A translation's context ("kelvra::Languages" in translate("kelvra::Languages", "…")) is
    // never shown.
    std::size_t before = i;
    while (before > 0 && std::isspace(static_cast<unsigned char>(code[before - 1]))) --before;
    const std::string_view head(code.data(), before);
    const bool context = head.ends_with("translate(") || head.ends_with("QT_TRANSLATE_NOOP(");
    for (++i; i < code.size() && code[i] != '"'; ++i) {
      if (code[i] == '\\' && i + 1 < code.size()) {
        const char escaped = code[++i];
        joined += escaped == 'n' || escaped == 'r' ? kBreak : escaped;
      } else if (code[i] == '%' && i + 1 < code.size() &&
                 std::isdigit(static_cast<unsigned char>(code[i + 1]))) {
        joined += kBreak;
        ++i;
      } else {
        joined += code[i];
      }
    }
    std::size_t next = i + 1;
    while (next < code.size() && std::isspace(static_cast<unsigned char>(code[next]))) ++next;
    if (next < code.size() && code[next] == '"') {
      i = next - 1;  // an adjacent literal continues this one
      continue;
    }
    if (!context) literals.push_back(joined);
    joined.clear();
  }
  std::vector<std::string> parts;
  for (const std::string& text : literals) {
    std::stringstream pieces(text);
    for (std::string piece; std::getline(pieces, piece, kBreak);) {
      piece = trimmed(collapseSpaces(piece));
      if (piece.size() >= 12) parts.push_back(piece);
    }
  }
  return parts;
}

// The body of the function `name` defined at the start of a line in one of the sources.
std::string definitionOf(const std::map<fs::path, std::string>& sources, const std::string& name) {
  for (const auto& [path, code] : sources) {
    for (std::size_t at = code.find(name + "("); at != std::string::npos;
         at = code.find(name + "(", at + 1)) {
      const std::size_t lineStart = code.rfind('\n', at) + 1;  // npos + 1 is 0
      const std::string head = code.substr(lineStart, at - lineStart);
      if (head.empty() || !std::isalpha(static_cast<unsigned char>(head[0])) ||
          head.find(';') != std::string::npos || (at > 0 && isWordCharacter(code[at - 1])))
        continue;
      const std::size_t brace = code.find('{', at), semicolon = code.find(';', at);
      if (brace == std::string::npos || semicolon < brace) continue;  // a declaration
      return code.substr(lineStart, code.find("\n}\n", brace) - lineStart);
    }
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
      {"message", "HelpNotOpenedMessage"},
      {"check.message", "CheckDate"},
      {"news.join(u'\\n')", "readSetting"},
      {"siteNews.join(u'\\n')", "IgnoredSiteValueLine"}};
  std::vector<MessageSource> found;
  for (const auto& [path, code] : sources) {
    for (const std::string call :
         {"ShowError", "ShowMessage", "reportFailure", "ReportFieldError"}) {
      for (std::size_t hit = code.find(call + "("); hit != std::string::npos;
           hit = code.find(call + "(", hit + 1)) {
        if (hit > 0 && isWordCharacter(code[hit - 1])) continue;
        const std::size_t at = hit + call.size() + 1;
        if (code.compare(at, 6, "const ") == 0) continue;  // a declaration or definition
        int depth = 1;
        std::size_t end = at;
        for (; end < code.size() && depth > 0; ++end) {
          if (code[end] == '(') ++depth;
          if (code[end] == ')') --depth;
        }
        std::string argument = trimmed(collapseSpaces(code.substr(at, end - 1 - at)));
        // A field's error names the field first; the text follows.
        if (call == "ReportFieldError") {
          argument = trimmed(argument.substr(argument.find(',') + 1));
          if (argument.compare(0, 6, "const ") == 0) continue;  // its definition
        }
        // The field's error box itself only passes its caller's text on.
        if (argument == "text" && path.filename() == "entry_field.cpp") continue;
        const std::string where = path.filename().string() + ": " + argument;
        if (argument.find('"') != std::string::npos) {
          found.push_back({where, argument});
          continue;
        }
        // A printing failure's reason without a literal is the printing system's own words (or
        // the settings store's failure, whose box is a ShowError of its own).
        if (call == "reportFailure") continue;
        std::string builder;
        const std::size_t open = argument.find('(');
        if (builders.count(argument) != 0) {
          builder = builders.at(argument);
        } else if (open != std::string::npos && argument.back() == ')') {
          builder = argument.substr(0, open);
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
  }
  return found;
}

TEST(HelpDocument, ListsEveryMessageTheProgramCanShow) {
  const std::string messages = section(helpHtml(), "messages", "contact");
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
  for (const char* text :
       {"Cannot find Help File", "No program could open the Help File. Open it in a web browser:",
        "The page could not be saved as a PDF.", "The settings could not be saved to"}) {
    EXPECT_EQ(checked.count(text), 1u) << text << " was not found in the sources";
  }
}

// The rows of the help's table of Kelvra95.ini by key, each with its "Setting" and "On a first
// start" cells as a reader sees them (a typographic minus read as '-').
struct IniKeyRow {
  std::string setting, firstStart;
};

std::map<std::string, IniKeyRow> helpIniKeyRows(const std::string& html) {
  const auto cellText = [](const std::string& cell) {
    const std::string text = trimmed(visibleText(cell));
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const bool minus = text.compare(i, 3, "\u2212") == 0;
      plain += minus ? '-' : text[i];
      if (minus) i += 2;
    }
    return plain;
  };
  const std::size_t from = html.find("<th>Key</th>", html.find("id=\"settings\""));
  const std::size_t to = html.find("</table>", from);
  EXPECT_NE(from, std::string::npos) << "no table of Kelvra95.ini in the help";
  std::map<std::string, IniKeyRow> rows;
  for (std::size_t row = html.find("<tr><td>", from); row < to;
       row = html.find("<tr><td>", row + 1)) {
    const std::size_t end = html.find("</tr>", row);
    std::vector<std::string> cells;
    for (std::size_t cell = html.find("<td>", row); cell < end; cell = html.find("<td>", cell + 1))
      cells.push_back(cellText(html.substr(cell + 4, html.find("</td>", cell) - cell - 4)));
    EXPECT_EQ(cells.size(), 4u) << html.substr(row, end - row);
    if (cells.size() != 4) continue;
    EXPECT_TRUE(rows.emplace(cells[0], IniKeyRow{cells[1], cells[2]}).second)
        << cells[0] << " has two rows in the help's table";
  }
  return rows;
}

// Each key of Kelvra95.ini registers itself where it is defined; the help's table has a row for
// every one, one key a row, stating the key's range (where it has one) and its first-start value
// as the key does, and no row for a key the program does not keep: three keys were once missing.
TEST(HelpDocument, ListsEveryIniKeyTheProgramKeepsWithItsRangeAndFirstValue) {
  const std::map<std::string, IniKeyRow> rows = helpIniKeyRows(helpHtml());
  std::set<std::string> kept;
  for (const kelvra::IniKey* key : kelvra::IniKeys()) {
    EXPECT_TRUE(kept.insert(key->name).second) << key->name << " is defined twice";
    const auto row = rows.find(key->name);
    if (row == rows.end()) {
      ADD_FAILURE() << key->name << " is missing from the help's table";
      continue;
    }
    const std::string range = key->rangeText().toStdString();
    EXPECT_NE(row->second.setting.find(range), std::string::npos)
        << key->name << ": the help does not give its range, " << range;
    EXPECT_EQ(row->second.firstStart, key->defaultText().toStdString()) << key->name;
  }
  for (const auto& [name, row] : rows)
    EXPECT_EQ(kept.count(name), 1u)
        << name << " is in the help's table, but the program keeps no such key";
}

// The table of keys gives each side window's key, as its kind gives it, the row linking the
// window's section: a new window's key, or a changed one, must reach the help.
TEST(HelpDocument, ListsTheKeyThatOpensEachSideWindow) {
  const std::string html = helpHtml();
  for (const kelvra::SideWindowKind* kind : kelvra::SideWindowKinds()) {
    const std::string key =
        QKeySequence(kind->openKey).toString(QKeySequence::PortableText).toStdString();
    ASSERT_FALSE(key.empty()) << kind->name << " has no key";
    const std::string row =
        "<tr><td>" + key + "</td><td>Opens the <a href=\"#" + kind->name + "\">";
    EXPECT_NE(html.find(row), std::string::npos) << row << " is missing from the help";
  }
}

TEST(HelpDocument, NoLongerDeniesWhatTheProgramDoes) {
  const std::string text = visibleText(helpHtml());
  for (const char* stale : {
           "No shadows and no eclipses",                          // shadows and eclipses are drawn
           "lists no eclipse, occultation or transit events",     // the events window lists them
           "\"No printer is available\" and nothing is printed",  // no printer saves a PDF
           "must be allowed to write in its own folder",          // the XDG folder is the fallback
           "keeps three settings",                                // two files, more settings
           "a minute early or late",                              // measured: minutes to an hour
           "counted from the start of that day (0h UT",  // the drift: each transit's own instant
       }) {
    EXPECT_EQ(text.find(stale), std::string::npos) << "the help still says: " << stale;
  }
}

}  // namespace
