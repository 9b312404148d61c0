// Containers made by hand to be hostile. Besides reading them safely, the reader must not
// let a length field in the file decide how much memory it takes: this executable counts
// the largest single allocation made through operator new while a container is read.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "browser/doc/cdz_reader.h"
#include "browser/doc/data_file.h"
#include "browser/doc/memory_budget.h"
#include "browser/doc/multi_file_cdz.h"
#include "test_files.h"

#if defined(__GNUC__) && !defined(__clang__)
// The replacement pair below is consistent; GCC cannot see that through inlining.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

namespace {
std::atomic<size_t> g_largest{0};
}

void* operator new(size_t size) {
  size_t seen = g_largest.load();
  while (size > seen && !g_largest.compare_exchange_weak(seen, size)) {
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace browser {
namespace {

using namespace ::browser::testing;  // the container bytes and files of the tests

// Every hostile container below is smaller than this, and so is every allocation its
// reading may make (the reader's own fixed buffer included).
constexpr size_t kAllocationLimit = 256 * 1024;

struct Hostile {
  const char* recipe;
  std::string bytes;
};

std::vector<Hostile> HostileContainers() {
  const std::string a = CdzBytes().Member("a.cdb", "[Main]\ntitle = a\n").str();
  return {
      {"4-byte name length of 0xFFFFFFFF", a + "CDB\xff" + Le32(0xFFFFFFFF) + "name"},
      {"4-byte name length of 260", a + "CDB\xff" + Le32(260) + std::string(300, 'n')},
      {"text size 0xFFFFFFFF, 12 bytes present", a + "CDB\x01z" + Le32(0xFFFFFFFF) + "k = v\nk = w\n"},
      {"text size 0xFFFFFFFF, one endless line",
       a + "CDB\x01z" + Le32(0xFFFFFFFF) + std::string(100000, 'q')},
      {"text size 0 followed by a record", a + "CDB\x01z" + Le32(0) + "CDB\x01y" + Le32(2) + "1\n"},
      {"wrong tag", a + "BDC\x01z" + Le32(2) + "1\n"},
      {"record header cut after the tag", a + "CDB"},
      {"short name length byte then end", a + "CDB\x10" "abc"},
      {"name of 255 bytes in the 1-byte form (255 means: 4 bytes follow)",
       a + "CDB\xff" + std::string(255, 'n') + Le32(2) + "1\n"},
      {"magic only", "VTRL"},
  };
}

TEST(CdzHostile, ReadSafelyPlainAndCompressedWithoutLargeAllocations) {
  MemoryDir dir;
  for (const Hostile& h : HostileContainers()) {
    SCOPED_TRACE(h.recipe);
    for (bool gzip : {false, true}) {
      const std::string path = dir.Path("hostile.cdz");
      dir.Write(path, gzip ? Gzip(h.bytes) : h.bytes);
      g_largest = 0;
      {
        CMultiFileCdz cdz;
        Status s = cdz.LoadAll(dir.files, path);
        EXPECT_LE(cdz.Count(), 3u);
        // Whatever comes after it, the first, well-formed member reads whole.
        if (cdz.Count() > 0) {
          EXPECT_EQ(cdz.At(0)->Lines(), (std::vector<std::string>{"[Main]", "title = a"}));
        }
        CDataFile file;
        file.Load(dir.files, path, "z");
      }
      EXPECT_LT(g_largest.load(), kAllocationLimit);
    }
  }
}

TEST(CdzHostile, EmptyMemberDoesNotSwallowTheNextTag) {
  MemoryDir dir;
  dir.Write(dir.Path("e.cdz"), CdzBytes().Raw("CDB\x01z" + Le32(0)).Member("y", "1\n").str());
  CMultiFileCdz cdz;
  ASSERT_TRUE(cdz.LoadAll(dir.files, dir.Path("e.cdz")).ok());
  ASSERT_EQ(cdz.Count(), 2u);
  EXPECT_EQ(cdz.At(1)->Lines(), (std::vector<std::string>{"1"}));
}

TEST(CdzHostile, InflatedLinesStayWithinTheBudget) {
  MemoryDir dir;
  // 4 MB of line ends compress to a few kilobytes and would become 4 million strings.
  const std::string text(4 << 20, '\n');
  const std::string packed = Gzip(CdzBytes().Member("bomb.cdb", text).str());
  ASSERT_LT(packed.size(), 10000u);
  dir.Write(dir.Path("bomb.cdz"), packed);
  MemoryBudget budget(1 << 20);
  std::string told;
  budget.set_refusal_handler([&](const std::string& line) { told += line + "\n"; });
  CdzReader reader;
  ASSERT_TRUE(reader.Open(dir.files, dir.Path("bomb.cdz")).ok());
  reader.set_budget(&budget);
  CdzMemberHeader header;
  bool at_end = false;
  ASSERT_TRUE(reader.NextMember(&header, &at_end).ok());
  std::vector<std::string> lines;
  Status s = reader.ReadLines(&lines);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  // The vector's spare room is counted too: its whole capacity stays inside the budget.
  EXPECT_LE(lines.capacity() * sizeof(std::string), size_t{1} << 20);
  EXPECT_GT(lines.size(), 1000u);
  EXPECT_EQ(reader.taken(), budget.used());
  EXPECT_EQ(told, "document memory budget of 1 MiB spent: lines of " + dir.Path("bomb.cdz") +
                      " not read\n");
}

// A few kilobytes of gzip hold a hundred thousand empty records; each would become a data
// file object of its own.
std::string ManyEmptyMembers(size_t count) {
  std::string records;
  for (size_t i = 0; i < count; ++i) records += std::string("CDB\x00", 4) + Le32(0);
  return Gzip(CdzBytes().Member("a.cdb", "[Main]\ntitle = a\n").str() + records);
}

TEST(CdzHostile, MembersStopAtTheLimitAndCountAgainstTheBudget) {
  MemoryDir dir;
  const std::string path = dir.Path("members.cdz");
  dir.Write(path, ManyEmptyMembers(100000));
  MemoryBudget budget;
  {
    CMultiFileCdz cdz;
    cdz.set_budget(&budget);
    const Status s = cdz.LoadAll(dir.files, path);
    EXPECT_TRUE(s.IsCorruption()) << s.ToString();
    EXPECT_EQ(cdz.Count(), kMaxCdzMembers);
    EXPECT_EQ(cdz.At(0)->Lines(), (std::vector<std::string>{"[Main]", "title = a"}));
    EXPECT_GT(budget.used(), kMaxCdzMembers * sizeof(CDataFile));
  }
  // The container gives back what it took when it goes.
  EXPECT_EQ(budget.used(), 0u);

  // A member looked for by name is not searched for past the limit either.
  CDataFile file;
  EXPECT_TRUE(file.Load(dir.files, path, "missing").ok());
  EXPECT_EQ(file.Name(), "a.cdb");
}

TEST(CdzHostile, ABudgetTooSmallForTheMembersStopsTheReading) {
  MemoryDir dir;
  const std::string path = dir.Path("members.cdz");
  dir.Write(path, ManyEmptyMembers(1000));
  MemoryBudget budget(64 * 1024);
  CMultiFileCdz cdz;
  cdz.set_budget(&budget);
  EXPECT_TRUE(cdz.LoadAll(dir.files, path).IsCorruption());
  EXPECT_GT(cdz.Count(), 10u);
  EXPECT_LT(cdz.Count(), 1000u);
  EXPECT_LE(budget.used(), budget.limit());
}

}  // namespace
}  // namespace browser
