#include "browser/page/shared_pictures.h"

#include <gtest/gtest.h>

#include "browser/page/image_element.h"
#include "page_test_support.h"

namespace browser {
namespace {

using ::browser::testing::FakePictures;

// Files whose stamps the test sets.
class StampedPictures : public FakePictures {
 public:
  std::map<std::string, std::string> stamps;
  std::string Stamp(const std::string& path) override {
    auto it = stamps.find(path);
    return it == stamps.end() ? std::string() : it->second;
  }
};

constexpr uint64_t kBigBytes = 1000 * 1000 * 4;

TEST(Picture, CopiesSharePixelsUntilOneIsWritten) {
  Picture a(2, 2, 0xFF112233);
  Picture b = a;
  EXPECT_TRUE(b.SharesPixelsWith(a));
  b.SetPixel(1, 1, 0xFF000000);
  EXPECT_FALSE(b.SharesPixelsWith(a));
  EXPECT_EQ(a.Pixel(1, 1), 0xFF112233u);
  EXPECT_EQ(b.Pixel(1, 1), 0xFF000000u);
  EXPECT_EQ(static_cast<const Picture&>(a).Row(1)[1], 0xFF112233u);
}

TEST(SharedPictures, APictureIsDecodedOnceAndCountedOnce) {
  StampedPictures files;
  files.files["/d/big.bmp"] = Picture(1000, 1000);
  files.files["/d/big.gif"] = Picture(1000, 1000);
  files.stamps = {{"/d/big.bmp", "1"}, {"/d/big.gif", "1"}};
  MemoryBudget budget;
  {
    SharedPictureSource pictures(files, budget);
    std::vector<std::unique_ptr<Picture>> shown;
    for (int i = 0; i < 100; ++i) shown.push_back(pictures.LoadBitmap("/d/big.bmp"));
    EXPECT_EQ(files.asked, std::vector<std::string>{"bmp /d/big.bmp"});
    EXPECT_TRUE(shown[99]->SharesPixelsWith(*shown[0]));
    EXPECT_EQ(budget.used(), kBigBytes);

    // Each GIF mode is a picture of its own.
    pictures.LoadGif("/d/big.gif", 0);
    pictures.LoadGif("/d/big.gif", 0);
    pictures.LoadGif("/d/big.gif", 4);
    EXPECT_EQ(budget.used(), 3 * kBigBytes);

    // A file written anew is read anew, and the old picture's room is given back.
    files.stamps["/d/big.bmp"] = "2";
    pictures.LoadBitmap("/d/big.bmp");
    EXPECT_EQ(files.asked.back(), "bmp /d/big.bmp");
    EXPECT_EQ(budget.used(), 3 * kBigBytes);

    pictures.Clear();
    EXPECT_EQ(budget.used(), 0u);
  }
  // Without a stamp nothing is reused.
  files.asked.clear();
  files.files["/d/plain.bmp"] = Picture(2, 2);
  SharedPictureSource pictures(files, budget);
  pictures.LoadBitmap("/d/plain.bmp");
  pictures.LoadBitmap("/d/plain.bmp");
  EXPECT_EQ(files.asked.size(), 2u);
}

TEST(SharedPictures, PastTheBudgetPicturesAreMissingAndOneLineSaysWhy) {
  StampedPictures files;
  for (const char* name : {"/d/a.bmp", "/d/b.bmp", "/d/c.bmp"}) {
    files.files[name] = Picture(1000, 1000);
    files.stamps[name] = "1";
  }
  MemoryBudget budget(kBigBytes + kBigBytes / 2);
  std::vector<std::string> told;
  budget.set_refusal_handler([&](const std::string& line) { told.push_back(line); });
  SharedPictureSource pictures(files, budget);
  EXPECT_NE(pictures.LoadBitmap("/d/a.bmp"), nullptr);
  EXPECT_EQ(pictures.LoadBitmap("/d/b.bmp"), nullptr);
  EXPECT_EQ(pictures.LoadBitmap("/d/c.bmp"), nullptr);
  EXPECT_EQ(told, std::vector<std::string>{
                      "document memory budget of 5 MiB spent: picture /d/b.bmp not loaded"});

  // A colour key needs room for a keyed copy and a mask: without it, no picture.
  budget.ResetRefusals();
  pictures.Clear();
  LoadedPicture keyed = LoadElementPicture(pictures, "a.bmp", "/d/a.bmp", false, 0, 0);
  EXPECT_EQ(keyed.picture, nullptr);
  EXPECT_EQ(told.back(), "document memory budget of 5 MiB spent: colour key of /d/a.bmp not made");
  pictures.Clear();
  MemoryBudget roomy;
  SharedPictureSource more(files, roomy);
  keyed = LoadElementPicture(more, "a.bmp", "/d/a.bmp", false, 0, 0);
  ASSERT_NE(keyed.picture, nullptr);
  ASSERT_NE(keyed.mask, nullptr);
  EXPECT_EQ(roomy.used(), 3 * kBigBytes);
  keyed = {};
  EXPECT_EQ(roomy.used(), kBigBytes);
}

TEST(SharedPictures, AtMostAFewAnimationsPlayAtOnce) {
  FakePictures files;
  files.files["/d/a.gif"] = Picture(1, 1);
  MemoryBudget budget;
  std::vector<std::string> told;
  budget.set_refusal_handler([&](const std::string& line) { told.push_back(line); });
  SharedPictureSource pictures(files, budget);
  std::vector<uint64_t> playing;
  for (int i = 0; i < SharedPictureSource::kMaxPlayingAnimations; ++i) {
    playing.push_back(pictures.PlayAnimation("/d/a.gif", {0, 0}, kAnyBytes).id);
    EXPECT_NE(playing.back(), 0u);
  }
  EXPECT_EQ(pictures.PlayAnimation("/d/a.gif", {0, 0}, kAnyBytes).id, 0u);
  EXPECT_EQ(pictures.PlayAnimation("/d/a.gif", {0, 0}, kAnyBytes).id, 0u);
  EXPECT_EQ(told, std::vector<std::string>{"4 animations play already: /d/a.gif not played"});
  // A stopped animation makes room; stopping it twice, or stopping 0, does not.
  pictures.StopAnimation(playing[0]);
  pictures.StopAnimation(playing[0]);
  pictures.StopAnimation(0);
  EXPECT_EQ(pictures.playing(), SharedPictureSource::kMaxPlayingAnimations - 1);
  EXPECT_NE(pictures.PlayAnimation("/d/a.gif", {0, 0}, kAnyBytes).id, 0u);
  EXPECT_EQ(pictures.PlayAnimation("/d/a.gif", {0, 0}, kAnyBytes).id, 0u);
}

TEST(SharedPictures, AnimationsPlayWithinWhatTheBudgetHasLeft) {
  FakePictures files;
  files.files["/d/a.gif"] = Picture(1, 1);
  files.animation_bytes = 40;
  MemoryBudget budget(100);
  std::vector<std::string> told;
  budget.set_refusal_handler([&](const std::string& line) { told.push_back(line); });
  SharedPictureSource pictures(files, budget);
  const uint64_t first = pictures.PlayAnimation("/d/a.gif", {0, 0}, kAnyBytes).id;
  const uint64_t second = pictures.PlayAnimation("/d/a.gif", {0, 0}, kAnyBytes).id;
  EXPECT_NE(first, 0u);
  EXPECT_NE(second, 0u);
  EXPECT_EQ(budget.used(), 80u);
  // The third would need 40 of the 20 left: not played, and told once.
  EXPECT_EQ(pictures.PlayAnimation("/d/a.gif", {0, 0}, kAnyBytes).id, 0u);
  EXPECT_EQ(told, std::vector<std::string>{
                      "document memory budget of 0 MiB spent: animation /d/a.gif not played"});
  EXPECT_EQ(pictures.playing(), 2);
  // A stopped animation gives its share back.
  pictures.StopAnimation(first);
  EXPECT_EQ(budget.used(), 40u);
  EXPECT_NE(pictures.PlayAnimation("/d/a.gif", {0, 0}, kAnyBytes).id, 0u);

  // An animation too large for its own limit with the whole budget left is not a spent budget.
  MemoryBudget fresh(100);
  std::vector<std::string> fresh_told;
  fresh.set_refusal_handler([&](const std::string& line) { fresh_told.push_back(line); });
  SharedPictureSource alone(files, fresh);
  files.animation_bytes = 200;
  EXPECT_EQ(alone.PlayAnimation("/d/a.gif", {0, 0}, kAnyBytes).id, 0u);
  EXPECT_TRUE(fresh_told.empty());
  EXPECT_EQ(fresh.used(), 0u);
}

}  // namespace
}  // namespace browser
