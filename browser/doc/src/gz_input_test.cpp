// The stream a container is read from: plain bytes as they stand, gzip members inflated.
#include "gz_input.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace browser {
namespace {

using ::browser::testing::Gzip;
using ::browser::testing::MemoryDir;

struct Read {
  std::string bytes;
  Status end;
};

Read ReadAll(const std::string& file_bytes) {
  MemoryDir dir;
  dir.Write(dir.Path("f"), file_bytes);
  GzInput in;
  EXPECT_TRUE(in.Open(dir.files, dir.Path("f")).ok());
  Read out;
  char block[1000];
  while (size_t n = in.Read(block, sizeof block)) out.bytes.append(block, n);
  out.end = in.EndStatus();
  return out;
}

TEST(GzInput, PlainAndCompressedStreams) {
  EXPECT_EQ(ReadAll("plain text\n").bytes, "plain text\n");
  // One byte of the magic alone is no gzip file.
  EXPECT_EQ(ReadAll("\x1f").bytes, "\x1f");
  EXPECT_EQ(ReadAll("").bytes, "");
  // Members follow one another; whatever follows the last one is not read.
  Read both = ReadAll(Gzip("first ") + Gzip("second") + "trailing junk");
  EXPECT_EQ(both.bytes, "first second");
  EXPECT_TRUE(both.end.ok()) << both.end.ToString();
  const std::string big(1 << 20, 'x');
  EXPECT_EQ(ReadAll(Gzip(big)).bytes, big);
}

TEST(GzInput, DamagedAndTruncatedStreams) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "line " + std::to_string(i) + "\n";
  const std::string packed = Gzip(text);
  // Cut short: what the data held is read, then the stream ends as truncated.
  Read cut = ReadAll(packed.substr(0, packed.size() / 2));
  EXPECT_GT(cut.bytes.size(), 1000u);
  EXPECT_EQ(cut.bytes, text.substr(0, cut.bytes.size()));
  EXPECT_EQ(cut.end.message(), "/test/f: truncated gzip stream");
  EXPECT_EQ(ReadAll("\x1f\x8b").end.message(), "/test/f: truncated gzip stream");
  // A wrong check value: the read that meets it delivers nothing.
  std::string crc = Gzip("x\n");
  crc[crc.size() - 8] ^= 0x55;
  Read damaged = ReadAll(crc);
  EXPECT_EQ(damaged.bytes, "");
  EXPECT_EQ(damaged.end.message(), "/test/f: damaged gzip stream (incorrect data check)");
  EXPECT_TRUE(damaged.end.IsCorruption());
}

TEST(GzInput, OnlyRegularFilesOpen) {
  MemoryDir dir;
  dir.files.MakeOther(dir.Path("fifo"));
  GzInput in;
  EXPECT_EQ(in.Open(dir.files, dir.Path("fifo")).message(), "/test/fifo: not a regular file");
  EXPECT_EQ(in.Read(nullptr, 0), 0u);
}

}  // namespace
}  // namespace browser
