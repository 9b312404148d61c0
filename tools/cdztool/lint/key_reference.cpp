#include "key_reference.h"

#include <span>
#include <sstream>

#include "browser/script/vocabulary.h"

namespace cdztool {
namespace {

using browser::KeyEntry;

// A table cell's text between its bars: " TEXT ", or " " when empty.
std::string Cell(std::string_view text) {
  return text.empty() ? std::string(" ") : " " + std::string(text) + " ";
}

void KeyTable(std::ostream& out, std::span<const KeyEntry> keys) {
  out << "| Key | Reader | Default |\n|---|---|---|\n";
  for (const KeyEntry& entry : keys) {
    out << "| `" << entry.key.name << "` | " << browser::ReaderName(entry.reader) << " |"
        << Cell(entry.missing) << "|\n";
  }
}

void Group(std::ostream& out, const char* title, std::span<const KeyEntry> keys) {
  out << "\n### " << title << "\n\n";
  KeyTable(out, keys);
}

}  // namespace

std::string KeyReference() {
  std::ostringstream out;
  out << "An element's `type` is matched at its start, without regard to case, in this order:";
  const char* separator = " ";
  for (const browser::ElementType& type : browser::ElementTypes()) {
    out << separator << "`" << type.prefix << "`";
    separator = ", ";
  }
  out << ".\n";

  Group(out,
        "Every object (all but the frames of an image list and the assignments of a SetProperty "
        "with `multi`)",
        browser::ElementKeys());
  Group(out, "Every section (the screen-size scaling)", browser::ScalingKeys());
  Group(out, "Objects with scripts (`Main` and the elements)", browser::ScriptableKeys());
  Group(out, "Elements of the page", browser::DisplayKeys());
  for (const browser::ObjectVocabulary& object : browser::Objects()) {
    if (object.own.empty()) continue;
    out << "\n### " << object.title << "\n\n";
    KeyTable(out, object.own);
  }

  out << "\n### Actions\n\n"
      << "Each action reads the keys of a script item and its own; paths marked \"document\" "
         "are taken relative to the document's folder.\n\n"
      << "| Action | Key | Reader | Default | Paths |\n|---|---|---|---|---|\n";
  for (const browser::ActionVocabulary& action : browser::Actions()) {
    const char* paths = action.resolves_paths ? "document" : "";
    if (action.keys.empty()) {
      out << "| `" << action.name << "` | | | |" << Cell(paths) << "|\n";
      continue;
    }
    bool first = true;
    for (const KeyEntry& entry : action.keys) {
      out << "|" << Cell(first ? "`" + std::string(action.name) + "`" : std::string()) << "| `"
          << entry.key.name << "` | " << browser::ReaderName(entry.reader) << " |"
          << Cell(entry.missing) << "|" << Cell(first ? paths : "") << "|\n";
      first = false;
    }
  }

  out << "\n### Events\n\n";
  separator = "";
  for (std::string_view event : browser::EventNames()) {
    out << separator << "`" << event << "`";
    separator = ", ";
  }
  out << "\n";
  return out.str();
}

}  // namespace cdztool
