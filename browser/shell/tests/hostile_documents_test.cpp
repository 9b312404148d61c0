// Documents written to take the machine: a few kilobytes that claim gigabytes of lines,
// members, pictures or animation frames. Each is shown by the real programs (panorel
// --screenshot, cdztool), which must end normally within 400 MB and 5 s of CPU time (the
// machine may be shared: a program that blocks, using no CPU, is caught by the 30 s limit of
// its run, after which it is killed and counts as not ended).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <QBuffer>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "child_run.h"
#include "test_gif.h"
#include "test_files.h"

namespace browser::shell {
namespace {

using ::browser::shell::testing::BigCanvasGif;
using ::browser::shell::testing::ChildRun;
using ::browser::shell::testing::RunChild;
using ::browser::testing::CdzBytes;
using ::browser::testing::Gzip;
using ::browser::testing::Le32;
using ::browser::testing::TempDir;
using ::browser::testing::WriteFile;

constexpr double kMaxMiB = 400;
constexpr double kMaxSeconds = 5;

std::string Program(const char* variable) {
  const char* path = std::getenv(variable);
  return path == nullptr ? std::string() : std::string(path);
}

// `head`, then `unit` `count` times, as one gzip file written a piece at a time (the whole
// text would not fit in a test's memory).
void WriteGzipRepeated(const std::string& path, const std::string& head, const std::string& unit,
                       uint64_t count) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  z_stream z{};
  ASSERT_EQ(deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY),
            Z_OK);
  std::string piece;
  for (int i = 0; i < 65536; ++i) piece += unit;
  const uint64_t per_piece = 65536;
  std::vector<unsigned char> buffer(1 << 16);
  auto feed = [&](const std::string& bytes, int flush) {
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    z.avail_in = static_cast<uInt>(bytes.size());
    do {
      z.next_out = buffer.data();
      z.avail_out = static_cast<uInt>(buffer.size());
      deflate(&z, flush);
      std::fwrite(buffer.data(), 1, buffer.size() - z.avail_out, out);
    } while (z.avail_out == 0);
  };
  feed(head, Z_NO_FLUSH);
  uint64_t left = count;
  for (; left >= per_piece; left -= per_piece) feed(piece, Z_NO_FLUSH);
  std::string rest;
  for (uint64_t i = 0; i < left; ++i) rest += unit;
  feed(rest, Z_FINISH);
  deflateEnd(&z);
  std::fclose(out);
}

std::string MainSection() { return "[Main]\ntitle = hostile\nwidth = 300\nheight = 200\n"; }

// A page of `count` image elements all showing `src`.
std::string ImagePage(const std::string& src, int count, bool animated) {
  std::string text = MainSection() + "numElements = " + std::to_string(count) + "\n";
  for (int i = 1; i <= count; ++i) {
    text += "[Element_" + std::to_string(i) + "]\ntype = Image\nsrc = " + src +
            "\nxpos = " + std::to_string(i % 10 * 20) + "\nypos = 10\nwidth = 20\nheight = 20\n";
    if (animated) text += "animated = 1\n";
  }
  return text;
}

// An 8-bit run-length bitmap of 4000 x 4000 whose data ends at once: about 1 KB.
std::string Rle8Bitmap4000() {
  auto le16 = [](int v) { return std::string{char(v & 0xFF), char(v >> 8 & 0xFF)}; };
  const std::string data("\x00\x01", 2);  // end of bitmap
  const uint32_t offset = 14 + 40 + 1024;
  std::string bmp = "BM" + Le32(offset + static_cast<uint32_t>(data.size())) + Le32(0) +
                    Le32(offset);
  bmp += Le32(40) + Le32(4000) + Le32(4000) + le16(1) + le16(8) + Le32(1) +
         Le32(static_cast<uint32_t>(data.size())) + Le32(2835) + Le32(2835) + Le32(256) + Le32(0);
  for (int i = 0; i < 256; ++i) bmp += std::string{char(i), char(i), char(i), 0};
  return bmp + data;
}

// A small JPEG whose frame header claims 4000 x 4000.
std::string Jpeg4000() {
  QImage small(16, 16, QImage::Format_RGB32);
  small.fill(Qt::red);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  small.save(&buffer, "JPEG");
  std::string jpeg(bytes.constData(), static_cast<size_t>(bytes.size()));
  const size_t sof = jpeg.find("\xFF\xC0");
  if (sof != std::string::npos) {
    jpeg[sof + 5] = jpeg[sof + 7] = static_cast<char>(4000 >> 8);
    jpeg[sof + 6] = jpeg[sof + 8] = static_cast<char>(4000 & 0xFF);
  }
  return jpeg;
}

class HostileDocuments : public ::testing::Test {
 protected:
  void SetUp() override {
    panorel_ = Program("PANOREL");
    cdztool_ = Program("CDZTOOL");
    if (panorel_.empty() || cdztool_.empty()) GTEST_SKIP() << "PANOREL and CDZTOOL not set";
  }

  ChildRun Screenshot(const std::string& document) {
    return RunChild({panorel_, "--screenshot", dir_.Path("out.png"), document},
                    dir_.Path("err.txt"));
  }

  static void ExpectWithinBudget(const ChildRun& run, const std::string& what) {
    SCOPED_TRACE(what + ": " + run.err);
    EXPECT_TRUE(run.exited) << "status " << run.status;
    EXPECT_LT(run.peak_mib(), kMaxMiB);
    EXPECT_LT(run.cpu_seconds, kMaxSeconds);
    std::printf("%-44s %7.1f MiB %6.2f s CPU %6.2f s\n", what.c_str(), run.peak_mib(),
                run.cpu_seconds, run.seconds);
  }

  std::string panorel_;
  std::string cdztool_;
  TempDir dir_;
};

TEST_F(HostileDocuments, SixteenMillionEmptyLines) {
  const std::string path = dir_.Path("lines.cdz");
  const uint64_t lines = 16u << 20;
  const std::string head = CdzBytes().str() + "CDB" + char(9) + "lines.cdb" +
                           Le32(static_cast<uint32_t>(MainSection().size() + lines)) +
                           MainSection();
  WriteGzipRepeated(path, head, "\n", lines);
  ChildRun run = Screenshot(path);
  ExpectWithinBudget(run, "panorel, 16 Mi empty lines");
  EXPECT_NE(run.err.find("document memory budget"), std::string::npos);
  ExpectWithinBudget(RunChild({cdztool_, "cat", path, "lines.cdb"}, dir_.Path("err.txt")),
                     "cdztool cat, 16 Mi empty lines");
}

TEST_F(HostileDocuments, MillionsOfEmptyMembers) {
  const std::string head = CdzBytes().Member("members.cdb", MainSection()).str();
  const std::string empty_member = std::string("CDB\x00", 4) + Le32(0);
  for (uint64_t count : {uint64_t{10'000'000}, uint64_t{100'000'000}}) {
    const std::string path = dir_.Path("members.cdz");
    WriteGzipRepeated(path, head, empty_member, count);
    ExpectWithinBudget(Screenshot(path), "panorel, " + std::to_string(count) + " members");
    ExpectWithinBudget(RunChild({cdztool_, "list", path}, dir_.Path("err.txt")),
                       "cdztool list, " + std::to_string(count) + " members");
  }
}

TEST_F(HostileDocuments, OnePictureShownByManyElementsIsDecodedOnce) {
  WriteFile(dir_.Path("big.bmp"), Rle8Bitmap4000());
  WriteFile(dir_.Path("big.jpg"), Jpeg4000());
  for (const char* src : {"big.bmp", "big.jpg"}) {
    for (int count : {40, 100}) {
      const std::string path = dir_.Path("pictures.cdz");
      WriteFile(path, CdzBytes().Member("pictures.cdb", ImagePage(src, count, false)).str());
      ExpectWithinBudget(Screenshot(path), std::string("panorel, ") + src + " in " +
                                               std::to_string(count) + " elements");
    }
  }
}

TEST_F(HostileDocuments, ManyAnimationsPlayFewAtATime) {
  WriteFile(dir_.Path("canvas.gif"), BigCanvasGif());
  for (int count : {20, 100}) {
    const std::string path = dir_.Path("animations.cdz");
    WriteFile(path, CdzBytes().Member("animations.cdb", ImagePage("canvas.gif", count, true)).str());
    ChildRun run = Screenshot(path);
    ExpectWithinBudget(run, "panorel, " + std::to_string(count) + " animations");
    EXPECT_NE(run.err.find("animations play already"), std::string::npos);
  }
}

// Every file a document names is a FIFO that nobody writes to: its pictures, watermark, icon,
// the page it changes to and the file it saves a key into. Nothing may wait on one.
TEST_F(HostileDocuments, FifosNamedByADocumentNeverBlock) {
  for (const char* name : {"pipe.bmp", "pipe.gif", "pipe.jpg", "pipe.ico", "next.cdz", "store.kps"}) {
    ASSERT_EQ(mkfifo(dir_.Path(name).c_str(), 0600), 0) << name;
  }
  std::string text = MainSection() +
                     "watermark = pipe.bmp\nicon = pipe.ico\nnumElements = 3\nnumScripts = 1\n"
                     "[Script_1]\nname = OnLoad\nnumScriptItems = 2\n"
                     "[Script_1_ScriptItem_1]\nname = SaveToFile\npath = " +
                     dir_.Path("store.kps") +
                     "\nkey = k\nvalue = v\n"
                     "[Script_1_ScriptItem_2]\nname = InternalCommand\ncommand = ChangePage\n"
                     "parameters = next.cdz\n";
  int i = 0;
  for (const char* src : {"pipe.bmp", "pipe.gif", "pipe.jpg"}) {
    text += "[Element_" + std::to_string(++i) + "]\ntype = Image\nsrc = " + src +
            "\nxpos = 0\nypos = 0\nwidth = 20\nheight = 20\n";
  }
  const std::string path = dir_.Path("fifo.cdz");
  WriteFile(path, CdzBytes().Member("fifo.cdb", text).str());
  ExpectWithinBudget(Screenshot(path), "panorel, files that are FIFOs");
  ExpectWithinBudget(
      RunChild({cdztool_, "run", path, "--event", "OnLoad"}, dir_.Path("err.txt"), 10),
      "cdztool run, files that are FIFOs");
  ExpectWithinBudget(Screenshot(dir_.Path("next.cdz")), "panorel, a FIFO as the document");
  struct stat st {};
  ASSERT_EQ(stat(dir_.Path("store.kps").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// Two pages of a thousand elements whose OnLoad and OnUnload both change to the other: the
// preview stops after a fixed number of page requests and says so.
TEST_F(HostileDocuments, PagesThatChangeForEverEndThePreview) {
  auto page = [](const std::string& other) {
    std::string text = MainSection() + "numElements = 1000\nnumScripts = 2\n";
    for (const char* event : {"OnLoad", "OnUnload"}) {
      const std::string n = std::string(event) == "OnLoad" ? "1" : "2";
      text += "[Script_" + n + "]\nname = " + event + "\nnumScriptItems = 1\n[Script_" + n +
              "_ScriptItem_1]\nname = InternalCommand\ncommand = ChangePage\nparameters = " +
              other + "\n";
    }
    for (int i = 1; i <= 1000; ++i) {
      text += "[Element_" + std::to_string(i) + "]\ntype = Text\ntext = " + std::to_string(i) +
              "\nxpos = 0\nypos = 0\nwidth = 10\nheight = 10\n";
    }
    return text;
  };
  const std::string path = dir_.Path("loop.cdz");
  WriteFile(path, CdzBytes().Member("a.cdb", page("b.cdb")).Member("b.cdb", page("a.cdb")).str());
  ChildRun run = Screenshot(path);
  ExpectWithinBudget(run, "panorel, pages changing for ever");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.err.find("panorel: the document keeps changing pages: the screenshot shows the "
                         "page after 16 page requests\n"),
            std::string::npos);
}

// A folder shown as a document holds twenty thousand data files, a FIFO and a device named as
// data files, and a data file far larger than any: the first 4096 by name are read, nothing
// waits, and every program ends within its budget.
TEST_F(HostileDocuments, AFolderOfThousandsOfDataFilesAndAFifo) {
  const std::string folder = dir_.Path("tour");
  ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  ASSERT_EQ(mkfifo((folder + "/a_fifo.cdb").c_str(), 0600), 0);
  ASSERT_EQ(symlink("/dev/zero", (folder + "/a_zero.cdb").c_str()), 0);
  WriteFile(folder + "/a_huge.cdb", MainSection());
  ASSERT_EQ(truncate((folder + "/a_huge.cdb").c_str(), off_t{1} << 30), 0);
  for (int i = 0; i < 20000; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/m%05d.cdb", i);
    WriteFile(folder + name, MainSection());
  }
  ChildRun run = Screenshot(folder);
  ExpectWithinBudget(run, "panorel, a folder of 20000 data files");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.err.find("20003 data files, more than 4096"), std::string::npos) << run.err;
  ExpectWithinBudget(RunChild({cdztool_, "lint", folder}, dir_.Path("err.txt"), 10),
                     "cdztool lint, a folder of 20000 data files");
  ExpectWithinBudget(RunChild({cdztool_, "run", folder}, dir_.Path("err.txt"), 10),
                     "cdztool run, a folder of 20000 data files");
  ChildRun pack = RunChild({cdztool_, "pack", dir_.Path("tour.cdz"), folder}, dir_.Path("err.txt"), 10);
  ExpectWithinBudget(pack, "cdztool pack, a folder of 20000 data files");
  EXPECT_EQ(pack.status, 1);
}

}  // namespace
}  // namespace browser::shell
