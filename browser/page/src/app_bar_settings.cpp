// Where an app bar's settings come from: the document or the user's registry.
#include "browser/page/app_bar_settings.h"

#include "browser/doc/section_names.h"
#include "browser/script/key_reader.h"
#include "platform/registry.h"

namespace browser {
namespace {

// The position text is read into a buffer of 10 bytes with its terminator: a longer value
// does not fit, and the read fails.
constexpr size_t kPositionBytes = 10;

void ReadFromRegistry(const platform::UserRegistry& registry, const std::string& key,
                      AppBarSettings& s) {
  // A value that is missing (or of another type) keeps the default.
  if (auto v = registry.ReadDword(key, "appbar")) s.appbar = *v == 1;
  if (!s.appbar) return;
  if (auto v = registry.ReadDword(key, "OnTop")) s.on_top = *v == 1;
  if (auto v = registry.ReadString(key, "Position"); v && v->size() < kPositionBytes) {
    s.position = *v;
  }
  if (auto v = registry.ReadDword(key, "AutoHide")) s.auto_hide = *v == 1;
}

}  // namespace

AppBarSettings ReadAppBarSettings(const CDataFile& file, const platform::UserRegistry* registry,
                                  KeyLog* log) {
  const KeyReader read(file, std::string(kMainSection), log);
  AppBarSettings s;
  std::string flag, key;
  read.Text(keys::kFlag, flag);
  if (flag == "registry" && registry != nullptr) {
    read.Text(keys::kRegistryKey, key);
    s.registry_mode = registry->HasKey(key);
  }
  read.Long(keys::kWidth, s.width);
  read.Long(keys::kHeight, s.height);
  if (s.registry_mode) {
    ReadFromRegistry(*registry, key, s);
    return s;
  }
  read.Bool(keys::kAppbar, s.appbar);
  if (!s.appbar) return s;
  read.Bool(keys::kAppBarAlwaysOnTop, s.on_top);
  read.Text(keys::kPosition, s.position);
  read.Bool(keys::kAppBarAutoHide, s.auto_hide);
  return s;
}

}  // namespace browser
