#include "browser/doc/data_file.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace browser {
namespace {

using ::browser::testing::CdzBytes;
using ::browser::testing::Gzip;
using ::browser::testing::MemoryDir;

CDataFile FromLines(std::vector<std::string> lines) {
  CDataFile file;
  file.Lines() = std::move(lines);
  return file;
}

TEST(DataFileMatching, SectionsAreExactAndKeysIgnoreCase) {
  CDataFile file = FromLines({
      "orphan = above every header",
      " [Main]",
      "[main]",
      "Title = lower-case section",
      "[Main]",
      "Title = Show  ",
      "title = second",
      "flag=1",
      "empty = ",
      "[Other]",
      "width = 9",
  });
  std::string value = "default";
  EXPECT_FALSE(file.ReadString("Main", "orphan", value));
  EXPECT_EQ(file.FindSection("Main"), 4u);  // " [Main]" and "[main]" are not it
  EXPECT_TRUE(file.ReadString("Main", "title", value));
  EXPECT_EQ(value, "Show  ");  // raw, trailing blanks kept, first line wins
  EXPECT_TRUE(file.ReadString("main", "TITLE", value));
  EXPECT_EQ(value, "lower-case section");
  value = "default";
  EXPECT_FALSE(file.ReadString("Main", "flag", value));  // needs " = "
  EXPECT_FALSE(file.ReadString("Main", "width", value));  // belongs to Other
  EXPECT_FALSE(file.ReadString("Missing", "title", value));
  EXPECT_EQ(value, "default");
  EXPECT_TRUE(file.ReadString("Main", "empty", value));
  EXPECT_EQ(value, "");
}

TEST(DataFileMatching, HeaderNeedsMoreThanTwoCharacters) {
  EXPECT_FALSE(IsSectionHeader("[]"));
  EXPECT_TRUE(IsSectionHeader("[a]"));
  EXPECT_FALSE(IsSectionHeader(" [a]"));
  EXPECT_FALSE(IsSectionHeader("[a] "));
  // "[]" does not end a section, so the key below it still belongs to Main.
  CDataFile file = FromLines({"[Main]", "[]", "x = 1"});
  int32_t x = 0;
  EXPECT_TRUE(file.ReadInt("Main", "x", x));
  EXPECT_EQ(x, 1);
}

TEST(DataFileConversions, NumbersFromTheLeadingText) {
  struct Case {
    const char* value;
    int32_t as_long, as_int;
    double as_double;
  } cases[] = {
      {"0xFF00FF", 16711935, 0, 0},
      {"0x100", 256, 0, 0},
      {"017", 15, 17, 17},
      {"  -42px", -42, -42, -42},
      {"+7", 7, 7, 7},
      {"abc", 0, 0, 0},
      {"0xg", 0, 0, 0},
      {"99999999999", INT32_MAX, INT32_MAX, 99999999999.0},
      {"-0x80000001", INT32_MIN, 0, 0},
      {" -1.5e2xyz", -1, -1, -150},
      {".25", 0, 0, 0.25},
      {"inf", 0, 0, 0},
      {"3,5", 3, 3, 3},  // "," is never a decimal point
  };
  for (const Case& c : cases) {
    CDataFile file = FromLines({"[Main]", std::string("v = ") + c.value});
    int32_t l = -1, i = -1;
    double d = -1;
    EXPECT_TRUE(file.ReadLong("Main", "v", l));
    EXPECT_TRUE(file.ReadInt("Main", "v", i));
    EXPECT_TRUE(file.ReadDouble("Main", "v", d));
    EXPECT_EQ(l, c.as_long) << c.value;
    EXPECT_EQ(i, c.as_int) << c.value;
    EXPECT_DOUBLE_EQ(d, c.as_double) << c.value;
  }
  int16_t s = 0;
  EXPECT_TRUE(FromLines({"[Main]", "v = 70000"}).ReadShort("Main", "v", s));
  EXPECT_EQ(s, static_cast<int16_t>(70000));
}

TEST(DataFileConversions, BoolsAndMultiline) {
  CDataFile file = FromLines({"[Main]", "appbar = TRUE", "b1 = true", "b2 = not true", "b3 = 1",
                              "text = one|two\xE7three"});
  bool b = true;
  EXPECT_TRUE(file.ReadBool("Main", "appbar", b));
  EXPECT_FALSE(b);
  file.ReadBool("Main", "b2", b);
  EXPECT_TRUE(b);
  file.ReadBool("Main", "b3", b);
  EXPECT_FALSE(b);
  file.ReadBool("Main", "b1", b);
  EXPECT_TRUE(b);
  std::string text;
  EXPECT_TRUE(file.ReadMultiline("Main", "text", text));
  EXPECT_EQ(text, "one\ntwo\rthree");
}

// What a key reads as for each type code: a type and a text of the value, or nothing when
// the key counts as absent.
std::string Describe(const platform::Variant& v) {
  return std::to_string(v.type()) + ":" + v.TextUtf8().value_or("<none>");
}

TEST(DataFileVariants, ReadByTypeCode) {
  platform::SetUserNumberFormat({u'.', u','});
  CDataFile file = FromLines({"[Main]", "n = 0x10", "f = 2.5", "t = yes", "b = True", "u = -1"});
  struct Case {
    uint16_t type;
    const char* key;
    bool found;
    const char* value;
  } cases[] = {
      {platform::VT_EMPTY, "n", false, "0:"},
      {platform::VT_NULL, "n", false, "0:"},
      {platform::VT_I2, "n", true, "3:0"},  // decimal only, kept as a 4-byte integer
      {platform::VT_I4, "n", true, "3:16"},
      {platform::VT_R4, "f", true, "5:2.5"},
      {platform::VT_R8, "f", true, "5:2.5"},
      {platform::VT_UI4, "n", true, "19:16"},
      {platform::VT_UI4, "u", true, "3:-1"},  // a failed change keeps the integer
      {platform::VT_BOOL, "b", true, "11:-1"},
      {platform::VT_BOOL, "t", true, "8:yes"},  // a failed change keeps the text
      {platform::VT_BSTR, "t", true, "8:yes"},
      {platform::VT_I4, "missing", false, "0:"},
  };
  for (const Case& c : cases) {
    platform::Variant v;
    EXPECT_EQ(file.ReadVariant("Main", c.key, c.type, v), c.found) << c.type << c.key;
    EXPECT_EQ(Describe(v), c.value) << c.type << c.key;
  }
}

TEST(DataFileVariants, WriteAsText) {
  CDataFile file;
  file.WriteVariant("S", "b", platform::Variant::Bool(true));
  file.WriteVariant("S", "n", platform::Variant::I4(12));
  file.WriteVariant("S", "x", platform::Variant::Error(5));  // no text form
  EXPECT_EQ(file.Lines(), (std::vector<std::string>{"[S]", "x = ", "n = 12", "b = TRUE"}));
}

TEST(DataFileSetters, TheEmptySectionNameFindsItsOwnLine) {
  // "[]" is no header, yet the empty name writes it and finds it again.
  CDataFile file;
  file.WriteInt("", "", 5);
  file.WriteString("", "k", "v");
  std::string value;
  EXPECT_TRUE(file.ReadString("", "k", value));
  EXPECT_EQ(value, "v");
  EXPECT_EQ(file.Lines(), (std::vector<std::string>{"[]", "k = v", " = 5"}));
}

TEST(DataFileSetters, InsertAfterHeaderOrReplaceInPlace) {
  CDataFile file = FromLines({"[Main]", "a = 1", "[Other]", "Width = 5"});
  file.WriteInt("Main", "b", -3);
  file.WriteString("Other", "width", "7 px ");
  file.WriteString("New", "k", "v");
  EXPECT_EQ(file.Lines(), (std::vector<std::string>{"[Main]", "b = -3", "a = 1", "[Other]",
                                                     "width = 7 px ", "[New]", "k = v"}));
  EXPECT_EQ(file.FindOrAddSection("Other"), 3u);
  EXPECT_EQ(file.FindOrAddSection("Last"), 7u);
}

TEST(DataFileText, LoadSplitsAtEveryLineEndAndSaveUsesCrLf) {
  MemoryDir dir;
  dir.Write(dir.Path("in.txt"), "[VTRL Archive]\r\nkey = a\r\r\n\nlast = b\rtail without end");
  CDataFile file;
  EXPECT_TRUE(file.LoadText(dir.files, dir.Path("in.txt")));
  EXPECT_EQ(file.Lines(), (std::vector<std::string>{"[VTRL Archive]", "key = a", "last = b"}));
  EXPECT_EQ(file.Name(), "");

  ASSERT_TRUE(file.SaveText(dir.files, dir.Path("out.txt")).ok());
  EXPECT_EQ(dir.Read(dir.Path("out.txt")), "[VTRL Archive]\r\nkey = a\r\nlast = b\r\n");

  EXPECT_FALSE(file.LoadText(dir.files, dir.Path("missing.txt")));
  EXPECT_TRUE(file.Lines().empty());
  dir.Write(dir.Path("noend.txt"), "only text");
  EXPECT_FALSE(file.LoadText(dir.files, dir.Path("noend.txt")));
  EXPECT_FALSE(file.SaveText(dir.files, dir.Path("no/such/dir.txt")).ok());
}

TEST(DataFileLoad, MemberChoiceAndFallbacks) {
  MemoryDir dir;
  const std::string bytes = CdzBytes()
                                .Member("first.cdb", "[Main]\nwho = first\n")
                                .Member("show.cdb", "[Main]\nwho = named after container\n")
                                .Member("show800.cdb", "[Main]\r\nwho = 800\r\n")
                                .str();
  dir.Write(dir.Path("show.cdz"), bytes);
  dir.Write(dir.Path("other.cdz"), Gzip(bytes));
  struct Case {
    std::string path, member, who, name;
  } cases[] = {
      {dir.Path("show.cdz"), "SHOW800.CDB", "800", "show800.cdb"},
      {dir.Path("show.cdz"), "show1024.cdb", "named after container", "show.cdb"},
      {dir.Path("other.cdz"), "show800.cdb", "800", "show800.cdb"},
      {dir.Path("other.cdz"), "nothing.cdb", "first", "first.cdb"},
  };
  for (const Case& c : cases) {
    CDataFile file;
    file.Lines().push_back("stale");
    ASSERT_TRUE(file.Load(dir.files, c.path, c.member).ok()) << c.member;
    std::string who;
    EXPECT_TRUE(file.ReadString("Main", "who", who));
    EXPECT_EQ(who, c.who);
    EXPECT_EQ(file.Name(), c.name);
    EXPECT_EQ(file.Lines().size(), 2u);
  }
}

TEST(DataFileLoad, FailuresLeaveNoLines) {
  MemoryDir dir;
  dir.Write(dir.Path("bad.cdz"), "VTRX");
  dir.Write(dir.Path("empty.cdz"), "VTRL");
  CDataFile file;
  EXPECT_TRUE(file.Load(dir.files, dir.Path("missing.cdz"), "a").IsIOError());
  EXPECT_TRUE(file.Load(dir.files, dir.Path("bad.cdz"), "a").IsCorruption());
  EXPECT_TRUE(file.Load(dir.files, dir.Path("empty.cdz"), "a").IsNotFound());
  EXPECT_TRUE(file.Lines().empty());
}

TEST(DataFileLoad, StopsAtTheMemberItTakes) {
  MemoryDir dir;
  // A damaged record after the wanted member is never reached.
  dir.Write(dir.Path("c.cdz"), CdzBytes().Member("a.cdb", "x = 1\n").Raw("XYZ\x05junk").str());
  CDataFile file;
  EXPECT_TRUE(file.Load(dir.files, dir.Path("c.cdz"), "a.cdb").ok());
  // ...but one before it ends the search: the members before it are still taken.
  dir.Write(dir.Path("d.cdz"), CdzBytes().Member("a.cdb", "x = 1\n").Raw("XYZ").str());
  Status s = file.Load(dir.files, dir.Path("d.cdz"), "b.cdb");
  EXPECT_TRUE(s.ok()) << s.ToString();
  EXPECT_EQ(file.Name(), "a.cdb");
}

}  // namespace
}  // namespace browser
