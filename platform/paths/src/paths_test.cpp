#include "platform/paths.h"

#include <gtest/gtest.h>

#include <span>

namespace platform {
namespace {

// A path and what the function under test makes of it.
struct PathCase {
  const char* in;
  const char* out;
};

template <typename Convert>
void ExpectConverted(Convert convert, std::span<const PathCase> cases) {
  for (const PathCase& c : cases) EXPECT_EQ(convert(c.in), c.out) << c.in;
}

TEST(NormalizePath, FoldsDotsAndKeepsTheRoot) {
  const PathCase cases[] = {
      {"/cd/pics/../logo.gif", "/cd/logo.gif"},
      {"/cd/./pics/./a.gif", "/cd/pics/a.gif"},
      {"\\cd\\pics\\a.gif", "/cd/pics/a.gif"},       // both separators
      {"/cd//pics\\/a.gif", "/cd/pics/a.gif"},       // empty components vanish
      {"/cd/../../../etc", "/etc"},                  // ".." never climbs past the root
      {"/cd/.hidden/a", "/cd/a"},                    // any other dot component is dropped
      {"/cd/...x/a", "/a"},                          // "..." begins with two full stops
      {"/cd/pics/", "/cd/pics"},                     // trailing separator removed
      {"/", "/"},
      {"/..", "/"},
      {"C:\\a\\..\\..\\b", "C:/b"},                  // the drive stays
      {"C:\\", "C:/"},
      {"D:", "D:/"},
      {"pics/../a.gif", "a.gif"},                    // relative stays relative
      {"", ""},
  };
  ExpectConverted(NormalizePath, cases);
}

TEST(ResolvePath, DocumentDirectoryFirstThenTheProgramsDirectory) {
  EXPECT_EQ(ResolvePath("setup.exe", "/media/cd/Cd/", "/opt/panorel"), "/media/cd/Cd/setup.exe");
  EXPECT_EQ(ResolvePath("..\\Docs\\a.pdf", "/media/cd/Cd/", "/opt"), "/media/cd/Docs/a.pdf");
  EXPECT_EQ(ResolvePath("\\x.gif", "/media/cd/", "/opt"), "/media/cd/x.gif");
  // Before a document was found, relative to the program.
  EXPECT_EQ(ResolvePath("show.cdz", "", "/opt/panorel"), "/opt/panorel/show.cdz");
  EXPECT_EQ(ResolvePath("\\show.cdz", "", "/opt/panorel/"), "/opt/panorel/show.cdz");
  // An absolute native path stays where it points.
  EXPECT_EQ(ResolvePath("/tmp/x/../show.cdz", "/cd/", "/opt"), "/tmp/show.cdz");
  // A colon: left alone, not even normalised.
  EXPECT_EQ(ResolvePath("http://x/../y", "/cd/", "/opt"), "http://x/../y");
  EXPECT_EQ(ResolvePath("D:\\Cd\\..\\a", "/cd/", "/opt"), "D:\\Cd\\..\\a");
}

TEST(AsWrittenPath, BackslashesSeparateAddressesKeepTheirText) {
  const PathCase cases[] = {
      {"docs\\manual.pdf", "docs/manual.pdf"},
      {"..\\a b\\.x", "../a b/.x"},
      {"C:\\Docs\\a.htm", "C:/Docs/a.htm"},
      {"http://x.invalid/a\\b", "http://x.invalid/a\\b"},
      {"dir\\a:b", "dir/a:b"},
  };
  ExpectConverted(AsWrittenPath, cases);
}

TEST(FileNameParts, SplitAtEitherSeparatorAndTheLastFullStop) {
  EXPECT_EQ(FilePart("/cd/pics\\logo.gif"), "logo.gif");
  EXPECT_EQ(FilePart("logo.gif"), "logo.gif");
  EXPECT_EQ(DirectoryPart("/cd/pics\\logo.gif"), "/cd/pics\\");
  EXPECT_EQ(DirectoryPart("logo.gif"), "");
  EXPECT_EQ(ReplaceExtension("/cd/intro.cdz", ".cdb"), "/cd/intro.cdb");
  EXPECT_EQ(ReplaceExtension("/cd/intro", ".cdb"), "/cd/intro.cdb");
  // A full stop in a directory name is no extension (programs have none here).
  EXPECT_EQ(ReplaceExtension("/cd.v2/panorel", ".cdz"), "/cd.v2/panorel.cdz");
  EXPECT_EQ(ReplaceExtension("C:\\cd.v2\\intro.cdz", ""), "C:\\cd.v2\\intro");
}

TEST(MountPoint, TheRootHoldsTheRootAndRelativePathsGiveTheirFirstCharacter) {
  EXPECT_EQ(MountPoint("/"), "/");
  const std::string tmp = MountPoint("/tmp/");
  ASSERT_FALSE(tmp.empty());
  EXPECT_EQ(tmp.front(), '/');
  EXPECT_EQ(tmp.back(), '/');
  EXPECT_EQ(MountPoint("pics/"), "p");
  EXPECT_EQ(MountPoint("/no/such/dir/"), "/");
  EXPECT_TRUE(FileExists("/"));
  EXPECT_FALSE(FileExists(""));
}

}  // namespace
}  // namespace platform
