#include "browser/doc/folder_document.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "browser/doc/cdz_reader.h"
#include "platform/memory_file_system.h"
#include "test_files.h"

namespace browser {
namespace {

using ::browser::testing::CdzBytes;
using ::browser::testing::TempDir;
using ::browser::testing::WriteFile;

std::vector<std::vector<std::string>> LinesOf(const CMultiFileCdz& cdz,
                                              std::vector<std::string>* names) {
  std::vector<std::vector<std::string>> lines;
  for (size_t i = 0; i < cdz.Count(); ++i) {
    names->push_back(cdz.At(i)->Name());
    lines.push_back(cdz.At(i)->Lines());
  }
  return lines;
}

// A folder is the container `cdztool pack OUT DIR` makes of it: the same members in the same
// order with the same lines, whatever the texts' line ends and lengths.
TEST(FolderDocument, ReadsAsItsPackedContainer) {
  TempDir dir;
  const std::string long_value = "text = " + std::string(3000, 'w');
  const std::string b_text = "[Main]\r\ntitle = B\r\n\r\n" + long_value + "\n[Element_1]\ntype = ";
  const std::string a_text = "[Main]\ntitle = A\n\n\n";
  std::filesystem::create_directory(dir.Path("show"));
  WriteFile(dir.Path("show/b.CDB"), b_text);
  WriteFile(dir.Path("show/a.cdb"), a_text);
  // Beside the data files: pictures, notes, an editor's lock and a folder of pictures.
  WriteFile(dir.Path("show/main.bmp"), "BM");
  WriteFile(dir.Path("show/notes.txt"), "[Main]\n");
  WriteFile(dir.Path("show/.#a.cdb"), "lock");
  std::filesystem::create_directory(dir.Path("show/pictures.cdb.d"));

  CMultiFileCdz folder;
  ASSERT_TRUE(LoadDocumentFiles(dir.Path("show"), &folder).ok());
  // Packing adds the final line end a text lacks.
  WriteFile(dir.Path("show.cdz"),
            CdzBytes().Member("a.cdb", a_text).Member("b.CDB", b_text + "\n").str());
  CMultiFileCdz packed;
  ASSERT_TRUE(packed.LoadAll(dir.Path("show.cdz")).ok());

  std::vector<std::string> folder_names, packed_names;
  EXPECT_EQ(LinesOf(folder, &folder_names), LinesOf(packed, &packed_names));
  EXPECT_EQ(folder_names, packed_names);
  EXPECT_EQ(folder_names, (std::vector<std::string>{"a.cdb", "b.CDB"}));
  EXPECT_EQ(folder.At(1)->Lines().at(3).size(), kMaxCdzLineSize);
}

TEST(FolderDocument, ParseErrorsNameTheLine) {
  struct Case {
    std::string text;
    const char* error;  // "" for a text that reads
  };
  const Case cases[] = {
      {"[Main]\ntitle = x\n", ""},
      {"[Main]\r\ntitle = x\r\n", ""},
      {"[Element_1]\n[Main]", ""},
      {"[Main]\ntitle = x\n[Element_1\nid = a\n", "p.cdb: line 3: '[Element_1' is no section header"},
      {"[Main]\n[Element_1] \n", "p.cdb: line 2: '[Element_1] ' is no section header"},
      {"[Main]\r\n\r\n[]\r\n", "p.cdb: line 3: '[]' is no section header"},
      {std::string("[Main]\ntitle = a\0b\n", 18), "p.cdb: line 2: a NUL byte"},
      {"", "p.cdb: no [Main] section"},
      {" [Main]\ntitle = x\n", "p.cdb: no [Main] section"},
  };
  for (const Case& c : cases) {
    const Status s = CheckDataFileText("p.cdb", c.text);
    if (*c.error == '\0') {
      EXPECT_TRUE(s.ok()) << c.text << ": " << s.ToString();
    } else {
      EXPECT_TRUE(s.IsCorruption()) << c.text;
      EXPECT_EQ(s.message().rfind(c.error, 0), 0u) << s.message();
    }
  }
}

// A data file that fails its check adds nothing; the other data files of its folder still read
// and the failure names the file and its line.
TEST(FolderDocument, ABrokenDataFileIsLeftOutAndNamed) {
  TempDir dir;
  WriteFile(dir.Path("a.cdb"), "[Main]\ntitle = A\n");
  WriteFile(dir.Path("b.cdb"), "[Main]\n[Script_1\n");
  WriteFile(dir.Path("c.cdb"), "[Main]\ntitle = C\n");
  MemoryBudget budget;
  {
    CMultiFileCdz cdz;
    cdz.set_budget(&budget);
    const Status s = LoadDocumentFiles(dir.Path(""), &cdz);
    EXPECT_EQ(s.message(), dir.Path("b.cdb") +
                               ": line 2: '[Script_1' is no section header: a line that begins "
                               "with '[' must end with ']' and name a section");
    ASSERT_EQ(cdz.Count(), 2u);
    EXPECT_EQ(cdz.At(1)->Name(), "c.cdb");
    EXPECT_GT(budget.used(), 0u);

    CMultiFileCdz single;
    EXPECT_FALSE(LoadDocumentFiles(dir.Path("b.cdb"), &single).ok());
    EXPECT_EQ(single.Count(), 0u);
    std::filesystem::create_directory(dir.Path("empty"));
    EXPECT_EQ(LoadDocumentFiles(dir.Path("empty"), &single).message(),
              dir.Path("empty") + ": no data files (*.cdb)");
  }
  EXPECT_EQ(budget.used(), 0u);
}

TEST(FolderDocument, SingleFilesAreTextOrContainers) {
  TempDir dir;
  WriteFile(dir.Path("page.cdb"), "[Main]\ntitle = Page\n");
  WriteFile(dir.Path("packed.cdb"), CdzBytes().Member("x.cdb", "[Main]\ntitle = X\n").str());
  CMultiFileCdz text, packed;
  ASSERT_TRUE(LoadDocumentFiles(dir.Path("page.cdb"), &text).ok());
  ASSERT_TRUE(LoadDocumentFiles(dir.Path("packed.cdb"), &packed).ok());
  EXPECT_EQ(text.At(0)->Name(), "page.cdb");
  EXPECT_EQ(text.At(0)->Lines(), (std::vector<std::string>{"[Main]", "title = Page"}));
  EXPECT_EQ(packed.At(0)->Name(), "x.cdb");
  EXPECT_TRUE(IsContainerFile(dir.Path("packed.cdb")));
  EXPECT_FALSE(IsContainerFile(dir.Path("page.cdb")));
  EXPECT_FALSE(IsContainerFile(dir.Path("none.cdb")));
}

// A member is chosen in a folder as in a container: by its name, else the one named after the
// folder, else the first by name.
TEST(FolderDocument, MemberChoice) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path("tour"));
  WriteFile(dir.Path("tour/b.cdb"), "[Main]\ntitle = B\n");
  WriteFile(dir.Path("tour/tour.cdb"), "[Main]\ntitle = Tour\n");
  WriteFile(dir.Path("tour/c.cdb"), "[Main]\ntitle = C\n");
  const auto title = [&](const std::string& path, const std::string& member) {
    CDataFile file;
    uint64_t taken = 0;
    MemoryBudget budget;
    const Status s = LoadDocumentMember(path, member, &file, &budget, &taken);
    std::string value = s.ok() ? "" : s.ToString();
    file.ReadString("Main", "title", value);
    EXPECT_EQ(taken, budget.used());
    return file.Name() + " " + value;
  };
  EXPECT_EQ(title(dir.Path("tour"), "C.CDB"), "c.cdb C");
  EXPECT_EQ(title(dir.Path("tour/"), "tour1024.cdb"), "tour.cdb Tour");
  std::filesystem::remove(dir.Path("tour/tour.cdb"));
  EXPECT_EQ(title(dir.Path("tour"), "tour1024.cdb"), "b.cdb B");
  EXPECT_EQ(title(dir.Path("tour/c.cdb"), "b.cdb"), "c.cdb C");
}

// The folder and its data files are reached through the files handed in: a folder kept in
// memory reads as one on disk, and what is neither a file nor a folder is refused.
TEST(FolderDocument, ReadsThroughTheFilesHandedIn) {
  platform::MemoryFileSystem files;
  files.WriteFile("/cd/tour/b.cdb", "[Main]\ntitle = B\n");
  files.WriteFile("/cd/tour/a.cdb", "[Main]\r\ntitle = A\r\n");
  files.WriteFile("/cd/tour/logo.bmp", "BM");
  files.MakeOther("/cd/tour/a_pipe.cdb");
  files.MakeFolder("/cd/tour/pictures.cdb");
  CMultiFileCdz cdz;
  const Status s = LoadDocumentFiles("/cd/tour", &cdz, &files);
  EXPECT_TRUE(s.IsIOError()) << s.ToString();
  EXPECT_EQ(s.message(), "/cd/tour/a_pipe.cdb: not a regular file");
  ASSERT_EQ(cdz.Count(), 2u);
  EXPECT_EQ(cdz.At(0)->Name(), "a.cdb");
  EXPECT_EQ(cdz.At(0)->Lines(), (std::vector<std::string>{"[Main]", "title = A"}));
  EXPECT_EQ(cdz.At(1)->Name(), "b.cdb");

  CDataFile file;
  uint64_t taken = 0;
  ASSERT_TRUE(LoadDocumentMember("/cd/tour/b.cdb", "", &file, nullptr, &taken, &files).ok());
  EXPECT_EQ(file.Name(), "b.cdb");
  EXPECT_FALSE(IsContainerFile("/cd/tour/a_pipe.cdb", &files));
  EXPECT_TRUE(LoadDocumentFiles("/cd/none", &cdz, &files).IsIOError());
}

// A folder is written by a stranger: a FIFO named as a data file is refused without waiting for
// a writer, a device or an oversized file is refused without being read whole, and a folder of
// thousands of data files gives the first kMaxCdzMembers by name.
TEST(FolderDocumentHostile, FifoDevicesAndThousandsOfFiles) {
  TempDir dir;
  ASSERT_EQ(mkfifo(dir.Path("a_fifo.cdb").c_str(), 0600), 0);
  ASSERT_EQ(symlink("/dev/zero", dir.Path("a_zero.cdb").c_str()), 0);
  ASSERT_EQ(truncate((WriteFile(dir.Path("a_huge.cdb"), "[Main]\n"), dir.Path("a_huge.cdb")).c_str(),
                     CDataFile::kMaxTextFileBytes + 1),
            0);
  const size_t files = kMaxCdzMembers + 1000;
  for (size_t i = 0; i < files; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "m%05zu.cdb", i);
    WriteFile(dir.Path(name), "[Main]\n");
  }
  for (int i = 0; i < 2000; ++i) WriteFile(dir.Path("picture" + std::to_string(i) + ".bmp"), "");

  const auto started = std::chrono::steady_clock::now();
  MemoryBudget budget;
  CMultiFileCdz cdz;
  cdz.set_budget(&budget);
  const Status s = LoadDocumentFiles(dir.Path(""), &cdz);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_NE(s.message().find("more than 4096"), std::string::npos) << s.message();
  // The three hostile names sort first and are refused; the rest of the first 4096 read.
  ASSERT_EQ(cdz.Count(), kMaxCdzMembers - 3);
  EXPECT_EQ(cdz.At(0)->Name(), "m00000.cdb");
  EXPECT_EQ(cdz.At(cdz.Count() - 1)->Name(), "m04092.cdb");

  std::vector<FolderMember> members;
  ListFolderMembers(dir.Path(""), &members);
  ASSERT_EQ(members.size(), kMaxCdzMembers);
  for (const char* refused : {"a_fifo.cdb", "a_zero.cdb", "a_huge.cdb"}) {
    CDataFile file;
    uint64_t taken = 0;
    const Status one = ReadDataFileText(dir.Path(refused), &file, nullptr, &taken);
    EXPECT_TRUE(one.IsIOError()) << refused << ": " << one.ToString();
    EXPECT_TRUE(file.Lines().empty());
  }
}

// The data files of a folder are taken from the document's budget: a small budget stops the
// reading with a named refusal instead of taking what the folder asks.
TEST(FolderDocumentHostile, TheBudgetBoundsAFolder) {
  TempDir dir;
  const std::string text = "[Main]\n" + std::string(20000, '\n');
  for (int i = 0; i < 20; ++i) WriteFile(dir.Path("p" + std::to_string(i) + ".cdb"), text);
  MemoryBudget budget(uint64_t{1} << 20);
  std::string refused;
  budget.set_refusal_handler([&](const std::string& line) { refused = line; });
  {
    CMultiFileCdz cdz;
    cdz.set_budget(&budget);
    const Status s = LoadDocumentFiles(dir.Path(""), &cdz);
    EXPECT_TRUE(s.IsCorruption());
    EXPECT_NE(s.message().find("memory budget of 1 MiB"), std::string::npos) << s.message();
    EXPECT_LT(cdz.Count(), 20u);
    EXPECT_LE(budget.used(), budget.limit());
  }
  EXPECT_EQ(budget.used(), 0u);
  EXPECT_NE(refused.find("not read"), std::string::npos);
}

}  // namespace
}  // namespace browser
