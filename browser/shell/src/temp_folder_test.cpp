// The browser's temporary folder: the user's TMPDIR, else a private folder of the user's own
// that no one else can have made for them.
#include "browser/shell/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>

namespace browser::shell {
namespace {

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(lstat(path.c_str(), &st), 0) << path;
  return st.st_mode;
}

TEST(UserTempFolder, TheUsersOwnTmpdirElseAPrivateFolderMadeForTheUser) {
  QTemporaryDir dir;
  const std::string base = dir.path().toStdString();
  const uid_t uid = getuid();
  EXPECT_EQ(UserTempFolder("/home/u/tmp", base, uid), "/home/u/tmp/");
  EXPECT_EQ(UserTempFolder("/home/u/tmp/", base, uid), "/home/u/tmp/");

  const std::string own = base + "/panorel-" + std::to_string(uid);
  EXPECT_EQ(UserTempFolder("", base, uid), own + "/");
  EXPECT_TRUE(S_ISDIR(ModeOf(own)));
  EXPECT_EQ(ModeOf(own) & 0777, 0700u);
  EXPECT_EQ(UserTempFolder("", base, uid), own + "/");  // the same folder on the next run
}

TEST(UserTempFolder, AFolderOthersCanEnterOrALinkIsNotTaken) {
  QTemporaryDir dir;
  const std::string base = dir.path().toStdString();
  const uid_t uid = getuid();
  const std::string own = base + "/panorel-" + std::to_string(uid);
  ASSERT_EQ(mkdir(own.c_str(), 0700), 0);
  ASSERT_EQ(chmod(own.c_str(), 0777), 0);  // as another user would leave it for us
  std::string why;
  const std::string open = UserTempFolder("", base, uid, &why);
  ASSERT_FALSE(open.empty());
  EXPECT_NE(open, own + "/");
  EXPECT_EQ(open.rfind(own + "-", 0), 0u) << open;
  EXPECT_EQ(ModeOf(open.substr(0, open.size() - 1)) & 0777, 0700u);
  EXPECT_FALSE(why.empty());

  ASSERT_EQ(rmdir(own.c_str()), 0);
  ASSERT_EQ(symlink(base.c_str(), own.c_str()), 0);
  EXPECT_NE(UserTempFolder("", base, uid), own + "/");
  // Another owner: the folder is not this user's.
  ASSERT_EQ(unlink(own.c_str()), 0);
  ASSERT_EQ(mkdir(own.c_str(), 0700), 0);
  EXPECT_NE(UserTempFolder("", base, uid + 1), base + "/panorel-" + std::to_string(uid + 1) + "/");
}

}  // namespace
}  // namespace browser::shell
