// The drag-out objects answered as a drop target asks them, and DragFile in scripts against a
// recording drag machinery.
#include "browser/script/drag_data_object.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "browser/script/printing_system_services.h"
#include "browser/script/script.h"
#include "platform/registry.h"
#include "test_support.h"

namespace browser {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using R = OleResult;

FormatEtc Hdrop() {
  FormatEtc f;
  f.format = kCfHdrop;
  return f;
}

// A data object as DragFile prepares it: one CF_HDROP entry without a handle.
CImpIDataObject* Prepared(const std::string& path) {
  auto* data = new CImpIDataObject(path);
  FormatEtc f = Hdrop();
  StgMedium m;
  m.tymed = kTymedHGlobal;
  EXPECT_EQ(data->SetData(&f, &m, true), R::kOk);
  return data;
}

TEST(DragDataObjectTest, TheFileListBlockIsTheShellsLayout) {
  const auto block = BuildFileList("/media/cd/Docs/100%.txt");
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->flags, 0x2042u);
  ASSERT_EQ(block->bytes.size(), 281u);
  const std::vector<uint8_t> header(block->bytes.begin(), block->bytes.begin() + 20);
  EXPECT_THAT(header, ElementsAre(20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
  const std::string name = "/media/cd/Docs/100%.txt";
  EXPECT_EQ(std::string(block->bytes.begin() + 20, block->bytes.begin() + 20 + name.size()), name);
  EXPECT_EQ(block->bytes[20 + name.size()], 0);
  EXPECT_EQ(block->bytes[21 + name.size()], 0);
  EXPECT_EQ(FileListPath(*block), name);

  // 259 bytes fill the block to its last byte; one more does not fit.
  const std::string longest(259, 'p');
  ASSERT_NE(BuildFileList(longest), nullptr);
  EXPECT_EQ(FileListPath(*BuildFileList(longest)), longest);
  EXPECT_EQ(BuildFileList(longest + "p"), nullptr);
  // Blocks that are no file list of ANSI names.
  GlobalBlock odd;
  odd.bytes.assign(30, 0);
  EXPECT_EQ(FileListPath(odd), std::nullopt);
  odd.bytes[0] = 20;
  odd.bytes[16] = 1;
  odd.bytes[20] = 'a';
  EXPECT_EQ(FileListPath(odd), std::nullopt);
  odd.bytes[16] = 0;
  EXPECT_EQ(FileListPath(odd), "a");
  odd.bytes[0] = 200;
  EXPECT_EQ(FileListPath(odd), std::nullopt);
}

TEST(DragDataObjectTest, GetDataBuildsANewBlockEachTimeOnlyForTheFileList) {
  CImpIDataObject* data = Prepared("/cd/a.txt");
  FormatEtc f = Hdrop();
  StgMedium first, second;
  EXPECT_EQ(data->GetData(&f, &first), R::kOk);
  EXPECT_EQ(data->GetData(&f, &second), R::kOk);
  ASSERT_TRUE(first.hglobal && second.hglobal);
  EXPECT_NE(first.hglobal.get(), second.hglobal.get());
  EXPECT_EQ(first.hglobal.use_count(), 1);  // the receiver's alone
  EXPECT_EQ(first.tymed, kTymedHGlobal);
  EXPECT_FALSE(first.release_object);
  EXPECT_EQ(FileListPath(*second.hglobal), "/cd/a.txt");

  StgMedium m;
  m.hglobal = std::make_shared<GlobalBlock>();
  EXPECT_EQ(data->GetData(nullptr, &m), R::kInvalidArg);
  EXPECT_EQ(data->GetData(&f, nullptr), R::kInvalidArg);
  FormatEtc text = f;
  text.format = 1;
  EXPECT_EQ(data->GetData(&text, &m), R::kBadFormatEtc);
  EXPECT_EQ(m.hglobal, nullptr);  // emptied first
  FormatEtc thumbnail = f;
  thumbnail.aspect = 2;
  EXPECT_EQ(data->GetData(&thumbnail, &m), R::kBadFormatEtc);
  FormatEtc file_medium = f;
  file_medium.tymed = 2;
  EXPECT_EQ(data->GetData(&file_medium, &m), R::kBadFormatEtc);
  file_medium.tymed = 2 | kTymedHGlobal;  // overlapping medium types do
  EXPECT_EQ(data->GetData(&file_medium, &m), R::kOk);

  // A path that does not fit gives no block and still an answer.
  data->Release();
  data = Prepared(std::string(300, 'x'));
  EXPECT_EQ(data->GetData(&f, &m), R::kOk);
  EXPECT_EQ(m.hglobal, nullptr);
  data->Release();
}

TEST(DragDataObjectTest, QueryGetDataAndTheOtherAnswers) {
  CImpIDataObject* data = Prepared("x");
  FormatEtc f = Hdrop();
  EXPECT_EQ(data->QueryGetData(nullptr), R::kFalse);
  EXPECT_EQ(data->QueryGetData(&f), R::kOk);
  FormatEtc aspect = f;
  aspect.aspect = 4;
  EXPECT_EQ(data->QueryGetData(&aspect), R::kBadAspect);
  aspect.aspect = 4 | kAspectContent;
  EXPECT_EQ(data->QueryGetData(&aspect), R::kOk);
  FormatEtc other = f;
  other.format = 13;
  EXPECT_EQ(data->QueryGetData(&other), R::kBadTymed);
  other = f;
  other.tymed = 4;
  EXPECT_EQ(data->QueryGetData(&other), R::kBadTymed);

  StgMedium m;
  EXPECT_EQ(data->GetDataHere(&f, &m), R::kNotImplemented);
  EXPECT_EQ(data->GetDataHere(&f, nullptr), R::kInvalidArg);
  EXPECT_EQ(data->GetDataHere(nullptr, &m), R::kInvalidArg);
  EXPECT_EQ(data->GetCanonicalFormatEtc(&f, &other), R::kSameFormatEtc);
  EXPECT_EQ(data->DAdvise(), R::kNotImplemented);
  EXPECT_EQ(data->DUnadvise(), R::kNotImplemented);
  EXPECT_EQ(data->EnumDAdvise(), R::kAdviseNotSupported);

  CUnknown* same = nullptr;
  EXPECT_EQ(data->QueryInterface(InterfaceId::kDataObject, &same), R::kOk);
  EXPECT_EQ(same, data);
  EXPECT_EQ(data->QueryInterface(InterfaceId::kDropSource, &same), R::kNoInterface);
  EXPECT_EQ(same, nullptr);
  EXPECT_EQ(data->Release(), 1u);  // the reference QueryInterface added
  EXPECT_EQ(data->Release(), 0u);
}

TEST(DragDataObjectTest, SetDataTakesOwnershipOnlyAndHoldsFiveEntries) {
  auto* data = new CImpIDataObject("x");
  FormatEtc f = Hdrop();
  StgMedium m;
  EXPECT_EQ(data->SetData(&f, &m, false), R::kFail);
  EXPECT_EQ(data->SetData(nullptr, nullptr, true), R::kInvalidArg);
  EXPECT_EQ(data->SetData(&f, nullptr, true), R::kInvalidArg);
  EXPECT_EQ(data->SetData(nullptr, &m, true), R::kInvalidArg);
  EXPECT_EQ(data->entry_count(), 0u);
  for (uint16_t format = 1; format <= 5; ++format) {
    FormatEtc e = f;
    e.format = format;
    EXPECT_EQ(data->SetData(&e, &m, true), R::kOk);
  }
  FormatEtc sixth = f;
  sixth.format = 6;
  EXPECT_EQ(data->SetData(&sixth, &m, true), R::kOutOfMemory);
  EXPECT_EQ(data->entry_count(), 5u);
  // A format already there takes the new pair even when the list is full.
  FormatEtc again = f;
  again.format = 2;
  again.tymed = 4;
  EXPECT_EQ(data->SetData(&again, &m, true), R::kOutOfMemory);
  EXPECT_EQ(data->QueryGetData(&again), R::kOk);
  data->Release();
}

TEST(DragDataObjectTest, TheEnumeratorWalksItsOwnCopy) {
  auto* data = new CImpIDataObject("x");
  StgMedium m;
  for (uint16_t format : {15, 1, 13}) {
    FormatEtc e = Hdrop();
    e.format = format;
    data->SetData(&e, &m, true);
  }
  CEnumFormatEtc* formats = nullptr;
  EXPECT_EQ(data->EnumFormatEtc(kDataDirSet, &formats), R::kUseRegistry);
  EXPECT_EQ(formats, nullptr);
  ASSERT_EQ(data->EnumFormatEtc(kDataDirGet, &formats), R::kOk);
  data->Release();  // the enumerator keeps its own copy

  FormatEtc out[4];
  uint32_t fetched = 99;
  EXPECT_EQ(formats->Next(0, out, &fetched), R::kFalse);
  EXPECT_EQ(formats->Next(1, nullptr, &fetched), R::kFalse);
  EXPECT_EQ(formats->Next(2, out, nullptr), R::kFalse);  // without `fetched` only 1
  EXPECT_EQ(formats->Next(1, out, nullptr), R::kOk);
  EXPECT_EQ(out[0].format, 15);
  CEnumFormatEtc* copy = nullptr;
  ASSERT_EQ(formats->Clone(&copy), R::kOk);
  EXPECT_EQ(formats->Next(4, out, &fetched), R::kFalse);  // only two were left
  EXPECT_EQ(fetched, 2u);
  EXPECT_EQ(out[1].format, 13);
  EXPECT_EQ(formats->Next(1, out, &fetched), R::kFalse);  // exhausted

  // The clone stands where the original stood.
  EXPECT_EQ(copy->Skip(2), R::kFalse);  // 1 + 2 reaches the count: the position stays
  EXPECT_EQ(copy->Skip(1), R::kOk);
  EXPECT_EQ(copy->Next(1, out, &fetched), R::kOk);
  EXPECT_EQ(out[0].format, 13);
  EXPECT_EQ(copy->Reset(), R::kOk);
  EXPECT_EQ(copy->Next(3, out, &fetched), R::kOk);
  EXPECT_EQ(fetched, 3u);
  copy->Release();
  formats->Release();
}

TEST(DragDataObjectTest, TheDropSourceDropsOnReleaseAndCancelsOnEscape) {
  auto* source = new CImpIDropSource;
  EXPECT_EQ(source->QueryContinueDrag(false, kKeyLeftButton), R::kOk);
  EXPECT_EQ(source->QueryContinueDrag(false, 0), R::kDrop);
  EXPECT_EQ(source->QueryContinueDrag(true, kKeyLeftButton), R::kCancel);
  EXPECT_EQ(source->QueryContinueDrag(true, 0), R::kCancel);
  EXPECT_EQ(source->GiveFeedback(kDropEffectCopy), R::kUseDefaultCursors);
  CUnknown* same = nullptr;
  EXPECT_EQ(source->QueryInterface(InterfaceId::kUnknown, &same), R::kOk);
  EXPECT_EQ(source->QueryInterface(InterfaceId::kEnumFormatEtc, &same), R::kNoInterface);
  source->Release();
  source->Release();
}

// Asks the data object what a drop target asks, and drops or cancels.
class RecordingDragger : public FileDragger {
 public:
  uint32_t DoDragDrop(CImpIDataObject& data, CImpIDropSource& source, uint32_t allowed) override {
    FormatEtc f = Hdrop();
    StgMedium m;
    queried = data.QueryGetData(&f);
    data.GetData(&f, &m);
    drops.push_back((m.hglobal ? FileListPath(*m.hglobal).value_or("?") : "<none>") + " " +
                    std::to_string(allowed));
    return source.QueryContinueDrag(cancel, 0) == OleResult::kDrop ? kDropEffectCopy : 0;
  }
  std::vector<std::string> drops;
  OleResult queried = OleResult::kFail;
  bool cancel = false;
};

class DragFileTest : public ::testing::Test {
 protected:
  DragFileTest() {
    fx_.context.dragger = &dragger_;
    fx_.context.system = &services_;
    fx_.load.paths.document_dir = "/media/cd/";
    fx_.context.paths = fx_.load.paths;
  }
  int Run(std::initializer_list<std::string> items) {
    std::string text = "[S]\nnumScriptItems = " + std::to_string(items.size()) + "\n";
    int n = 0;
    for (const std::string& item : items) {
      text += "[S_ScriptItem_" + std::to_string(++n) + "]\n" + item + "\n";
    }
    script_ = std::make_unique<CScript>("S", nullptr);
    script_->Load(testing::ParseDocument(text), fx_.load);
    return script_->Run(fx_.context);
  }

  testing::Fixture fx_;
  RecordingDragger dragger_;
  std::vector<std::string> lines_;
  PrintingSystemServices services_{[this](const std::string& line) { lines_.push_back(line); }};
  std::unique_ptr<CScript> script_;
};

TEST_F(DragFileTest, OffersThePathAsWrittenForCopyOrLinkAndTheScriptGoesOn) {
  dragger_.cancel = true;
  EXPECT_EQ(Run({"name = DragFile\npath = Docs\\100%.txt",
                 "name = DragFile\npath = /media/cd/%DATA%/a b.pdf", "name = DragFile",
                 "name = InternalCommand\ncommand = nothing"}),
            0);
  EXPECT_EQ(dragger_.queried, OleResult::kOk);
  // Not resolved, not expanded (a "\" separates folders); an empty path is offered too.
  EXPECT_THAT(dragger_.drops, ElementsAre("Docs/100%.txt 5", "/media/cd/%DATA%/a b.pdf 5", " 5"));
  EXPECT_THAT(lines_, ElementsAre("drag: Docs/100%.txt", "drag end: cancelled Docs/100%.txt",
                                  "drag: /media/cd/%DATA%/a b.pdf",
                                  "drag end: cancelled /media/cd/%DATA%/a b.pdf", "drag: ",
                                  "drag end: cancelled ", "command: nothing "));
}

TEST_F(DragFileTest, TheDragsEndIsToldDroppedOrCancelled) {
  Run({"name = DragFile\npath = brochures/a.pdf"});
  dragger_.cancel = true;
  Run({"name = DragFile\npath = brochures/b.pdf"});
  EXPECT_THAT(lines_, ElementsAre("drag: brochures/a.pdf", "drag end: dropped brochures/a.pdf",
                                  "drag: brochures/b.pdf", "drag end: cancelled brochures/b.pdf"));
}

TEST_F(DragFileTest, APathLongerThanTheBlockStartsNoDragAndSaysSo) {
  const std::string longest = "/" + std::string(258, 'a');
  Run({"name = DragFile\npath = " + longest, "name = DragFile\npath = " + longest + "b"});
  EXPECT_THAT(dragger_.drops, ElementsAre(longest + " 5"));
  ASSERT_EQ(lines_.size(), 3u);
  EXPECT_EQ(lines_[2], "drag refused, the path has more than 259 bytes: " + longest + "b");
  // Without a drag machinery (authors' tools) nothing is dragged, and nothing fails.
  fx_.context.dragger = nullptr;
  EXPECT_EQ(Run({"name = DragFile\npath = a.txt"}), 0);
  EXPECT_EQ(dragger_.drops.size(), 1u);
}

TEST_F(DragFileTest, TheRegistryFormReadsTheValueWhenTheDocumentLoads) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("drag_file_test_" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  platform::UserRegistry registry((dir / "registry.ini").string());
  fx_.load.registry = &registry;
  ASSERT_TRUE(registry.WriteString("Software\\Corvane\\Cd", "Brochure", "/cd/brochure.pdf"));
  ASSERT_TRUE(registry.WriteString("Software\\Corvane\\Cd", "Long", std::string(260, 'l')));
  const std::string form =
      "name = DragFile\nflag = registry\nregistryKey = Software\\Corvane\\Cd\n"
      "path = /ignored\nregistryValueName = ";
  Run({form + "Brochure", form + "Missing", form + "Long",
       "name = DragFile\nflag = Registry\npath = /cd/own.txt"});
  std::filesystem::remove_all(dir);
  // A value that does not fit 260 bytes reads as nothing; only "registry" is the flag.
  EXPECT_THAT(dragger_.drops, ElementsAre("/cd/brochure.pdf 5", " 5", " 5", "/cd/own.txt 5"));
}

}  // namespace
}  // namespace browser
