// Loading the page again when its files changed on disk.
#include "browser/doc/folder_document.h"
#include "browser/page/main_wnd.h"

namespace browser {

Status CMainWnd::ReloadFromDisk(const std::string& path) {
  if (closing_) return Status::OK();
  auto fresh = std::make_unique<CMultiFileCdz>();
  fresh->set_budget(&budget_);
  Status s = LoadDocumentFiles(services_.files, path, fresh.get());
  if (!s.ok()) return s;
  if (fresh->Count() == 0) return Status::NotFound(path + ": no data files");

  services_.trace.Request("watch");
  const std::string shown = current_file_ != nullptr ? current_file_->Name() : std::string();
  container_.Swap(*fresh);
  current_file_ = nullptr;
  // The old text goes before the new page takes its pictures from the budget.
  fresh.reset();
  CDataFile* chosen = container_.FindMember(shown);
  if (chosen == nullptr) chosen = container_.FindMember(resolution_member_);
  if (chosen == nullptr) chosen = container_.FindMember(document_member_);
  if (chosen == nullptr) chosen = container_.At(0);
  if (!LoadDataFile(chosen, false)) services_.host.Close();
  services_.host.Show();
  services_.host.Redraw();
  return Status::OK();
}

}  // namespace browser
