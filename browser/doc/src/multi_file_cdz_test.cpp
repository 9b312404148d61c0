#include "browser/doc/multi_file_cdz.h"

#include <gtest/gtest.h>

#include "browser/doc/cdz_writer.h"
#include "test_files.h"

namespace browser {
namespace {

using ::browser::testing::CdzBytes;
using ::browser::testing::Gzip;
using ::browser::testing::Le32;
using ::browser::testing::MemoryDir;
using Lines = std::vector<std::string>;

class CdzTest : public ::testing::Test {
 protected:
  // Loads the bytes as they stand and gzip-compressed; both must read the same.
  Status Load(const std::string& bytes, CMultiFileCdz& cdz) {
    dir_.Write(dir_.Path("plain.cdz"), bytes);
    dir_.Write(dir_.Path("packed.cdz"), Gzip(bytes));
    CMultiFileCdz packed;
    Status packed_status = packed.LoadAll(dir_.files, dir_.Path("packed.cdz"));
    Status s = cdz.LoadAll(dir_.files, dir_.Path("plain.cdz"));
    EXPECT_EQ(s.code(), packed_status.code());
    EXPECT_EQ(cdz.Count(), packed.Count());
    for (size_t i = 0; i < std::min(cdz.Count(), packed.Count()); ++i) {
      EXPECT_EQ(cdz.At(i)->Name(), packed.At(i)->Name());
      EXPECT_EQ(cdz.At(i)->Lines(), packed.At(i)->Lines());
    }
    return s;
  }

  MemoryDir dir_;
};

TEST_F(CdzTest, LineRules) {
  const std::string long_line(2000, 'x');
  CMultiFileCdz cdz;
  Status s = Load(CdzBytes()
                      .Member("crlf.cdb", "[Main]\r\n\r\n\ntitle = a b \r\n")
                      .Member("long.cdb", long_line + "\n")
                      .Member("exact.cdb", std::string(1023, 'y') + "\n")
                      .Member("noend.cdb", "a = 1\nb = 22")
                      .Member("one.cdb", "x\n")
                      .Member("empty.cdb", "")
                      .Member("lf.cdb", "\n")
                      .Member("after.cdb", "[Main]\n")
                      .str(),
                  cdz);
  ASSERT_TRUE(s.ok()) << s.ToString();
  ASSERT_EQ(cdz.Count(), 8u);
  EXPECT_EQ(cdz.At(0)->Lines(), (Lines{"[Main]", "", "", "title = a b "}));
  EXPECT_EQ(cdz.At(1)->Lines(), (Lines{long_line.substr(0, 1023), long_line.substr(1023)}));
  EXPECT_EQ(cdz.At(2)->Lines(), (Lines{std::string(1023, 'y')}));
  // Without a final line end the last character is lost, and nothing more.
  EXPECT_EQ(cdz.At(3)->Lines(), (Lines{"a = 1", "b = 2"}));
  EXPECT_EQ(cdz.At(4)->Lines(), (Lines{"x"}));
  EXPECT_EQ(cdz.At(5)->Lines(), Lines{});
  EXPECT_EQ(cdz.At(6)->Lines(), Lines{});
  EXPECT_EQ(cdz.At(7)->Lines(), (Lines{"[Main]"}));
}

TEST_F(CdzTest, TextWithoutLineEndsStaysInsideItsMember) {
  CMultiFileCdz cdz;
  Status s = Load(CdzBytes().Member("a.cdb", "no line end here").Member("b.cdb", "k = v\n").str(),
                  cdz);
  ASSERT_TRUE(s.ok()) << s.ToString();
  ASSERT_EQ(cdz.Count(), 2u);
  EXPECT_EQ(cdz.At(0)->Lines(), (Lines{"no line end her"}));
  EXPECT_EQ(cdz.At(1)->Lines(), (Lines{"k = v"}));
}

TEST_F(CdzTest, NulBytesDoNotPutTheReaderOutOfStep) {
  CMultiFileCdz cdz;
  ASSERT_TRUE(Load(CdzBytes()
                       .Member("a.cdb", std::string("a\0b\n\0\n", 6))
                       .Member("b.cdb", "k = v\n")
                       .str(),
                   cdz)
                  .ok());
  ASSERT_EQ(cdz.Count(), 2u);
  EXPECT_EQ(cdz.At(0)->Lines(), (Lines{std::string("a\0b", 3), std::string(1, '\0')}));
  EXPECT_EQ(cdz.At(1)->Name(), "b.cdb");
}

TEST_F(CdzTest, DamageEndsReadingAndKeepsWhatCameBefore) {
  const std::string good = CdzBytes().Member("a.cdb", "1\n").Member("b.cdb", "2\n").str();
  struct Case {
    const char* what;
    std::string bytes;
    size_t members;
    Lines last_lines;
  } cases[] = {
      {"wrong tag", good + "CDX\x01" "c" + Le32(2) + "3\n", 2, {"2"}},
      {"tag cut short", good + "CD", 2, {"2"}},
      {"name cut short", good + "CDB\x09" "c.c", 2, {"2"}},
      {"size cut short", good + "CDB\x01" "c\x02\x00", 2, {"2"}},
      {"text cut short", good + "CDB\x01" "c" + Le32(100) + "line 1\nline 2\nli", 3,
       {"line 1", "line 2", "li"}},
      {"name over 259 bytes", good + "CDB\xff" + Le32(260) + std::string(260, 'n'), 2, {"2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CMultiFileCdz cdz;
    Status s = Load(c.bytes, cdz);
    EXPECT_TRUE(s.IsCorruption()) << s.ToString();
    EXPECT_NE(s.message().find("plain.cdz"), std::string::npos) << s.message();
    ASSERT_EQ(cdz.Count(), c.members);
    EXPECT_EQ(cdz.At(c.members - 1)->Lines(), c.last_lines);
  }
}

TEST_F(CdzTest, NothingIsAddedWithoutTheMagic) {
  for (const std::string bytes : {"", "VTR", "vtrlCDB", "PK\x03\x04"}) {
    CMultiFileCdz cdz;
    EXPECT_FALSE(Load(bytes, cdz).ok()) << bytes;
    EXPECT_EQ(cdz.Count(), 0u);
  }
  CMultiFileCdz cdz;
  EXPECT_TRUE(cdz.LoadAll(dir_.files, dir_.Path("missing.cdz")).IsIOError());
  EXPECT_TRUE(cdz.LoadAll(dir_.files, dir_.Path("")).IsIOError());  // a directory
  EXPECT_EQ(cdz.Count(), 0u);
}

TEST_F(CdzTest, TruncatedGzipStreamIsReportedWithTheLinesReadSoFar) {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "key" + std::to_string(i) + " = value\r\n";
  const std::string packed = Gzip(CdzBytes().Member("a.cdb", text).Member("b.cdb", "x\n").str());
  dir_.Write(dir_.Path("cut.cdz"), packed.substr(0, packed.size() / 2));
  CMultiFileCdz cdz;
  Status s = cdz.LoadAll(dir_.files, dir_.Path("cut.cdz"));
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  ASSERT_EQ(cdz.Count(), 1u);
  EXPECT_GT(cdz.At(0)->Lines().size(), 100u);
  EXPECT_LT(cdz.At(0)->Lines().size(), 5000u);
  EXPECT_EQ(cdz.At(0)->Lines()[7], "key7 = value");

  // The trailer's check value is damaged: everything inflates, the check fails.
  std::string damaged = Gzip(CdzBytes().Member("a.cdb", "x\n").str());
  damaged[damaged.size() - 8] ^= 0x55;
  dir_.Write(dir_.Path("crc.cdz"), damaged);
  CMultiFileCdz crc;
  EXPECT_FALSE(crc.LoadAll(dir_.files, dir_.Path("crc.cdz")).ok());
}

TEST_F(CdzTest, FindNextPreviousAppend) {
  CMultiFileCdz cdz;
  ASSERT_TRUE(Load(CdzBytes().Member("intro.cdb", "\n").Member("Intro800.cdb", "\n").str(), cdz)
                  .ok());
  CDataFile* intro = cdz.FindMember("INTRO.CDB");
  CDataFile* intro800 = cdz.FindMember("intro800.cdb");
  ASSERT_NE(intro, nullptr);
  ASSERT_NE(intro800, nullptr);
  EXPECT_EQ(intro->Name(), "intro.cdb");
  EXPECT_EQ(cdz.FindMember(""), nullptr);
  EXPECT_EQ(cdz.FindMember("intro"), nullptr);

  EXPECT_EQ(cdz.Next(intro), intro800);
  EXPECT_EQ(cdz.Next(intro800), intro);
  EXPECT_EQ(cdz.Previous(intro), intro800);
  CDataFile stranger;
  EXPECT_EQ(cdz.Next(&stranger), nullptr);
  EXPECT_EQ(cdz.Previous(nullptr), nullptr);

  CDataFile* third = cdz.Append(std::make_unique<CDataFile>());
  EXPECT_EQ(cdz.Count(), 3u);
  EXPECT_EQ(cdz.Next(intro800), third);
  EXPECT_EQ(cdz.Previous(intro), third);

  CMultiFileCdz single;
  CDataFile* only = single.Append(std::make_unique<CDataFile>());
  EXPECT_EQ(single.Next(only), nullptr);
  EXPECT_EQ(single.Previous(only), nullptr);
}

TEST_F(CdzTest, WriterRoundTripsEveryNameLength) {
  std::vector<CdzMember> members;
  for (size_t size : {0, 1, 254, 255, 259}) {
    members.push_back({std::string(size, 'a' + static_cast<char>(size % 26)),
                       "[Main]\r\nsize = " + std::to_string(size) + "\r\n"});
  }
  for (bool gzip : {false, true}) {
    const std::string path = dir_.Path(gzip ? "w.cdz" : "w.cdb");
    ASSERT_TRUE(WriteCdz(dir_.files, path, members, gzip).ok());
    CMultiFileCdz cdz;
    ASSERT_TRUE(cdz.LoadAll(dir_.files, path).ok());
    ASSERT_EQ(cdz.Count(), members.size());
    for (size_t i = 0; i < members.size(); ++i) {
      EXPECT_EQ(cdz.At(i)->Name(), members[i].name);
      EXPECT_EQ(cdz.At(i)->Lines(),
                (Lines{"[Main]", "size = " + std::to_string(members[i].name.size())}));
    }
  }
  // The plain form is exactly the layout, byte for byte.
  EXPECT_EQ(dir_.Read(dir_.Path("w.cdb")).substr(0, 10), std::string("VTRLCDB\0\x12\0", 10));
}

TEST_F(CdzTest, WriterRefusesNamesOver259BytesAndWritesNothing) {
  const std::string path = dir_.Path("refused.cdz");
  Status s = WriteCdz(dir_.files, path, {{"ok.cdb", "\n"}, {std::string(300, 'n'), "\n"}}, false);
  EXPECT_EQ(s.code(), Status::Code::kInvalidArgument);
  EXPECT_NE(s.message().find("300 bytes"), std::string::npos);
  CMultiFileCdz cdz;
  EXPECT_TRUE(cdz.LoadAll(dir_.files, path).IsIOError());
}

}  // namespace
}  // namespace browser
