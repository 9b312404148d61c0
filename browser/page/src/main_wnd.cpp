// Finding and loading documents, and the requests scripts post.
#include "browser/page/main_wnd.h"

#include <algorithm>

#include "browser/doc/folder_document.h"
#include "browser/doc/section_names.h"
#include "browser/page/app_bar.h"
#include "browser/page/window_message.h"
#include "browser/script/key_reader.h"
#include "browser/script/preload.h"
#include "platform/file_system.h"
#include "platform/paths.h"

namespace browser {
namespace {

std::string RequestName(PageRequest::Kind kind) {
  switch (kind) {
    case PageRequest::Kind::kOpenDocument:
      return "ChangePage";
    case PageRequest::Kind::kNextDocument:
      return "NextPage";
    case PageRequest::Kind::kPreviousDocument:
      return "PrevPage";
    case PageRequest::Kind::kExit:
      return "Exit";
    case PageRequest::Kind::kReload:
      return "reload";
    case PageRequest::Kind::kStartupLoad:
      return "startup";
  }
  return "unknown";
}

int32_t ClampSide(int32_t side) { return std::clamp(side, 0, CMainWnd::kMaxPageSide); }

}  // namespace

CMainWnd::CMainWnd(CIdManager& ids, Services services)
    : ids_(ids),
      services_(std::move(services)),
      program_dir_(platform::DirectoryPart(services_.program_path)),
      program_container_(platform::ReplaceExtension(services_.program_path, ".cdz")),
      context_{document_.variables(), ids_} {
  context_.host = this;
  context_.system = services_.system_services;
  document_.set_host(&services_.host);
  budget_.set_refusal_handler(services_.report);
  container_.set_budget(&budget_);
  if (services_.pictures != nullptr) {
    pictures_ = std::make_unique<SharedPictureSource>(*services_.pictures, budget_);
  }
}

CMainWnd::~CMainWnd() = default;

PageLoadContext CMainWnd::MakeLoadContext() {
  PageLoadContext load{ids_};
  load.paths = {document_dir_, program_dir_};
  load.registry = services_.registry;
  load.files = &services_.files;
  load.pictures = pictures_.get();
  load.system_dirs = services_.system;
  load.key_log = services_.key_log;
  return load;
}

bool CMainWnd::StartupLoad(const std::string& command_line_name) {
  startup_name_ = command_line_name;
  if (!FindDocument(command_line_name)) {
    // A missing container leaves the list empty.
    container_.LoadAll(services_.files, program_container_);
    if (!FindDocument(command_line_name) && !FindDocument(program_container_)) {
      last_error_ = command_line_name.empty()
                        ? program_container_ + ": no document here (and none was named)"
                        : command_line_name + ": no such document";
      return false;
    }
  }
  if (!LoadDocument(true)) {
    // A name that is no file here was looked for as a member of the program's container:
    // say what the user named, not only the member.
    if (!last_error_.empty() && !command_line_name.empty() && document_path_ == document_member_) {
      last_error_ = command_line_name + ": no such document, nor a member " + document_member_ +
                    " in " + program_container_;
    }
    return false;
  }
  services_.host.Show();
  services_.host.Redraw();
  return true;
}

bool CMainWnd::FindDocument(const std::string& name) {
  if (name.empty()) return false;
  context_.paths = {document_dir_, program_dir_};
  const std::string full = context_.paths.Resolve(name);
  const Size screen = services_.host.ScreenSize();
  resolution_member_ = std::string(platform::FilePart(
      platform::ReplaceExtension(full, "") + std::to_string(screen.width) + ".cdb"));
  document_member_ = platform::ReplaceExtension(platform::FilePart(name), ".cdb");
  if (services_.files.Exists(full)) {
    // A folder is a document whose files lie in it.
    document_dir_ = services_.files.Stat(full) == platform::FileKind::kDirectory
                        ? (full.back() == '/' ? full : full + "/")
                        : std::string(platform::DirectoryPart(full));
    document_path_ = full;
    return true;
  }
  if (container_.Count() > 0) {
    document_path_ = document_member_;
    return true;
  }
  return false;
}

bool CMainWnd::LoadDocument(bool check, bool on_load) {
  last_error_.clear();
  // The data file: the first of a container read now, else the member for this screen
  // width, else the document's own member, else a new read of the document path.
  CDataFile* chosen = nullptr;
  if (container_.Count() == 0) {
    const Status s = LoadDocumentFiles(services_.files, document_path_, &container_);
    if (container_.Count() == 0) {
      last_error_ = s.ok() ? document_path_ + ": the container holds no document" : s.message();
      return false;
    }
    // A data file of a folder that cannot be read is left out, and its author told why.
    if (!s.ok() && services_.report) services_.report(s.message());
    chosen = container_.At(0);
  } else {
    chosen = container_.FindMember(resolution_member_);
    if (chosen == nullptr) chosen = container_.FindMember(document_member_);
    if (chosen == nullptr) {
      auto file = std::make_unique<CDataFile>();
      uint64_t taken = 0;
      const Status s =
          LoadDocumentMember(services_.files, document_path_, resolution_member_, file.get(),
                             &budget_, &taken);
      BudgetShare share(&budget_, taken);
      if (file->Lines().empty()) {
        last_error_ = s.ok() ? document_path_ + ": empty document" : s.message();
        return false;
      }
      chosen = container_.Append(std::move(file), std::move(share));
    }
  }
  return LoadDataFile(chosen, check, on_load);
}

bool CMainWnd::LoadDataFile(CDataFile* chosen, bool check, bool on_load) {
  WindowHost& host = services_.host;
  current_file_ = chosen;
  services_.trace.Load(chosen->Name().empty() ? document_path_ : chosen->Name());

  // Everything below reads a working copy: the container's data file never changes.
  CDataFile working = *chosen;
  // An app bar gives its edge and its space back before the next document decides.
  if (services_.app_bar != nullptr) services_.app_bar->DocumentUnloading();
  document_.Unload(context_);
  hovered_ = nullptr;
  pressed_ = nullptr;
  ForgetPictures();
  // The positions and sizes are scaled to this screen before anything reads them.
  const Size screen = host.ScreenSize();
  resolution_.ApplyResolution(working, screen.width, screen.height, services_.key_log);
  // The title names the window; when asked to check, an instance already showing this title
  // is handed the document and this one stops.
  const KeyReader main(working, std::string(kMainSection), services_.key_log);
  title_.clear();
  main.Text(keys::kTitle, title_);
  host.SetTitle(title_);
  if (check && host.OtherInstanceRuns(title_)) {
    services_.trace.Handover(true, title_);
    return false;
  }
  // The scripts that run before the page is built, with the document's folder to resolve by.
  PageLoadContext load = MakeLoadContext();
  context_.paths = load.paths;
  RunPreLoadScripts(working, load, context_);
  // The window's icon, taken relative to the document's folder.
  std::string icon;
  main.Text(keys::kIcon, icon);
  const std::string icon_path = icon.empty() ? std::string() : load.paths.Resolve(icon);
  // Only a regular file can hold an icon: reading a pipe would wait for a writer.
  host.SetIcon(!icon_path.empty() && services_.files.Stat(icon_path) == platform::FileKind::kRegular
                   ? icon_path
                   : std::string());
  // The app bar or the window type decides the window's style and place.
  ApplyWindowSettings(working);
  // The window paints afresh before the page is built.
  host.Redraw();
  // The page is built, sized to the window's client area and told it has loaded.
  document_.set_directories(DirectoriesForDocument(document_dir_, services_.system));
  document_.Load(working, load);
  CBrowser* page = document_.main_page();
  context_.main_page = page;
  if (page != nullptr) {
    const Size client = host.ClientSize();
    if (client.width > 0 && client.height > 0) page->SetSize(client);
    if (on_load) page->RunScriptByName("OnLoad", context_);
  }
  PageShown(working);
  if (services_.app_bar != nullptr) services_.app_bar->DocumentLoaded();
  return true;
}

void CMainWnd::ApplyWindowSettings(const CDataFile& file) {
  WindowHost& host = services_.host;
  // A document is an app bar unless it says otherwise.
  const AppBarSettings bar = ReadAppBarSettings(file, services_.registry, services_.key_log);
  const Size client{ClampSide(bar.width), ClampSide(bar.height)};
  appbar_ = bar.appbar;
  if (!appbar_) {
    // The bar's style and topmost setting go before the window type applies its own.
    if (services_.app_bar != nullptr) services_.app_bar->ApplySettings(bar);
    // The window type persists: a document without one keeps the previous.
    KeyReader(file, std::string(kMainSection), services_.key_log)
        .Int(keys::kWindowType, window_type_);
    host.ApplyWindowStyle(DecideWindowStyle(window_type_, client));
    return;
  }
  // Docked at the right edge over the whole screen height until the app bar manager places
  // it.
  const Size screen = host.ScreenSize();
  host.ApplyAppBar({screen.width - client.width, 0, screen.width, screen.height});
  if (services_.app_bar != nullptr) services_.app_bar->ApplySettings(bar);
}

void CMainWnd::OpenAndReload(const std::string& name) {
  if (FindDocument(name)) {
    if (!LoadDocument(false)) services_.host.Close();
  }
  services_.host.Show();
  services_.host.Redraw();
}

void CMainWnd::Close() {
  closing_ = true;
  services_.host.Close();
}

void CMainWnd::HandleRequest(const PageRequest& request) {
  if (closing_) return;
  services_.trace.Request(RequestName(request.kind), request.document);
  switch (request.kind) {
    case PageRequest::Kind::kOpenDocument:
      OpenAndReload(request.document);
      break;
    case PageRequest::Kind::kNextDocument:
    case PageRequest::Kind::kPreviousDocument: {
      // With a single data file nothing happens at all.
      const CDataFile* other = request.kind == PageRequest::Kind::kNextDocument
                                   ? container_.Next(current_file_)
                                   : container_.Previous(current_file_);
      if (other != nullptr) OpenAndReload(other->Name());
      break;
    }
    case PageRequest::Kind::kExit:
      Close();
      break;
    case PageRequest::Kind::kReload:
      if (!LoadDocument(false)) services_.host.Close();
      services_.host.Show();
      services_.host.Redraw();
      break;
    case PageRequest::Kind::kStartupLoad:
      // The program is already this document's instance: no check for another.
      OpenAndReload(startup_name_.empty() ? program_container_ : startup_name_);
      break;
  }
}

void CMainWnd::HandleWindowMessage(uint32_t message) {
  if (closing_) return;
  switch (static_cast<WindowMessage>(message)) {
    case WindowMessage::kClose:
      Close();
      break;
    case WindowMessage::kOpenDocument:
      // Another program's message has no document name with it: nothing is found.
      PostRequest({PageRequest::Kind::kOpenDocument, {}});
      break;
    case WindowMessage::kStartupLoad:
      PostRequest({PageRequest::Kind::kStartupLoad, {}});
      break;
    case WindowMessage::kReloadDocument:
      // The app bar is dropped with the document.
      PostRequest({PageRequest::Kind::kReload, {}});
      break;
    case WindowMessage::kOtherInstance:
      OtherInstanceStarted();
      break;
    case WindowMessage::kNextDocument:
      PostRequest({PageRequest::Kind::kNextDocument, {}});
      break;
    case WindowMessage::kPreviousDocument:
      PostRequest({PageRequest::Kind::kPreviousDocument, {}});
      break;
  }
}

void CMainWnd::DisplayChanged() {
  if (closing_) return;
  services_.trace.Request("display");
  // The member names stay; the new screen size scales a fresh copy.
  if (!LoadDocument(false)) {
    services_.host.Close();
    return;
  }
  services_.host.Show();
  services_.host.Redraw();
}

void CMainWnd::OtherInstanceStarted() {
  services_.trace.Handover(false, title_);
  if (appbar_) {
    services_.host.ShowMessage(title_, title_ + " is already running.");
  } else {
    services_.host.BringToFront();
  }
}

void CMainWnd::Destroy() {
  if (services_.app_bar != nullptr) services_.app_bar->UnregisterBar();
  document_.Unload(context_);
  hovered_ = nullptr;
  pressed_ = nullptr;
  ForgetPictures();
}

void CMainWnd::ForgetPictures() {
  if (pictures_ != nullptr) pictures_->Clear();
  budget_.ResetRefusals();
}

void CMainWnd::Paint(Canvas& canvas, const Rect& update) { document_.Paint(canvas, update); }

Size CMainWnd::PageSize() const {
  const CBrowser* page = main_page();
  if (page == nullptr) return {0, 0};
  const Size size = page->GetSize();
  return {ClampSide(size.width), ClampSide(size.height)};
}

void CMainWnd::PostRequest(PageRequest request) { services_.host.PostRequest(std::move(request)); }

void CMainWnd::Minimize() {
  services_.trace.Request("Minimize");
  services_.host.Minimize();
}

void CMainWnd::ItemExecuted(const CScriptItem& item, ActionResult result) {
  // The item's script belongs to an object (none for a PreLoad script).
  const CElement* script = item.parent();
  const CElement* owner = script != nullptr ? script->parent() : nullptr;
  services_.trace.Action(item.name(), item.section(), static_cast<int>(result),
                         owner != nullptr ? owner->id() : std::string_view());
}

void CMainWnd::EventFired(std::string_view event, std::string_view section, std::string_view id,
                          bool ran) {
  services_.trace.Event(event, section, ran, id);
}

void CMainWnd::BudgetSpent(std::string_view event) { services_.trace.Budget(event); }

}  // namespace browser
