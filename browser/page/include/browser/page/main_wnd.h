#pragma once

#include <functional>
#include <memory>
#include <string>

#include "browser/doc/data_file.h"
#include "browser/doc/memory_budget.h"
#include "browser/doc/multi_file_cdz.h"
#include "browser/page/browser_document.h"
#include "browser/page/multi_resolution.h"
#include "browser/page/page_focus.h"
#include "browser/page/page_host.h"
#include "browser/page/shared_pictures.h"
#include "browser/page/trace.h"
#include "browser/script/id_manager.h"
#include "browser/script/script_host.h"
#include "browser/script/script_item.h"

namespace platform {
class UserRegistry;
}

namespace browser {

class AppBarManager;
class KeyLog;
class PictureSource;
class SystemServices;

// What the main window is, without the window: it finds and loads documents, answers the
// requests scripts post, paints the page and sends the mouse to elements. The program's
// window turns its events into these calls and does what the host interface asks.
class CMainWnd : public ScriptHost {
 public:
  struct Services {
    explicit Services(WindowHost& host_in) : host(host_in) {}

    WindowHost& host;
    PictureSource* pictures = nullptr;
    const platform::UserRegistry* registry = nullptr;
    platform::SystemDirectories system;
    // What performs the system actions' requests (programs, files, sounds, messages, drags);
    // none: they do nothing.
    SystemServices* system_services = nullptr;
    std::string program_path;  // the program file; its directory serves before a document
    // The app bar manager of the window; none: documents that are app bars are only
    // placed at the right edge.
    AppBarManager* app_bar = nullptr;
    Trace trace;
    // Told, once per document, what the document's memory budget or the animation limit
    // refused (a line for stderr); none: nobody is told.
    std::function<void(const std::string&)> report;
    // Told every key the document's loaders read; none: nobody is told.
    KeyLog* key_log = nullptr;
    // Told when the focus moved to another element, a new page's first included (the
    // window tells screen readers); none: nobody is told.
    std::function<void()> focus_moved;
  };
  CMainWnd(CIdManager& ids, Services services);
  ~CMainWnd() override;

  // The start-up load for the command line's document name (empty when the command line did
  // not name exactly one): that document, else the container named after the program. False
  // when nothing could be found or loaded (the program then ends).
  bool StartupLoad(const std::string& command_line_name);

  // Sets the document path and the member names for `name`: a file of that name (resolved
  // against the document directory) makes its directory the document directory; otherwise a
  // container already read stands in. False for an empty name, or when neither exists.
  bool FindDocument(const std::string& name);
  // Loads the current document's data file (the resolution member, else the document member,
  // else a new read), unloading the current one first, and shows it. With `check`, another
  // copy of the program showing the same title makes the load fail; "OnLoad" fires when
  // `on_load` is set.
  bool LoadDocument(bool check, bool on_load = true);
  // The load after the data file was chosen: `file` (owned by the container) becomes the
  // current one and is shown, and "OnLoad" fires when `on_load` is set. LoadDocument ends
  // here; tools that choose a member by their own rules start here.
  bool LoadDataFile(CDataFile* file, bool check, bool on_load = true);

  // The document's files at `path` (a folder, a data file or a container) changed on disk:
  // they are read afresh and, when every data file reads cleanly, the page shown is loaded again
  // from the new text as a reload request loads it ("OnUnload", then "OnLoad"), its data file
  // found again by name. Otherwise nothing changes and the failure, naming the file and the
  // line, is returned.
  Status ReloadFromDisk(const std::string& path);

  // A request posted by a script, now that the script has returned. Once Exit has been
  // handled (or a close message), requests still queued do nothing: only the unload of the
  // document (Destroy) runs.
  void HandleRequest(const PageRequest& request);
  // A message posted to the window (a value of WindowMessage; others are ignored): queued as
  // the window's own request of that kind, or handled at once (close, another instance).
  void HandleWindowMessage(uint32_t message);
  // The screen size changed: the current document is loaded again for it.
  void DisplayChanged();
  // Another copy of the program was started for this document's title.
  void OtherInstanceStarted();

  void Paint(Canvas& canvas, const Rect& update);
  // The size the window's back buffer needs: the main page's (0 by 0 without one).
  Size PageSize() const;

  // Mouse in client coordinates; `left_only` when exactly the left button is down, without
  // other buttons, Shift or Ctrl.
  void MousePress(Point point);
  void MouseRelease(Point point);
  void MouseMove(Point point, bool left_only);
  // The window gained or lost the focus, or was moved: window type 4 captures its
  // background again.
  void FocusChanged();
  void WindowMoved() { window_moved_ = true; }

  // The keyboard. Tab and Shift+Tab move the focus through the elements that take it (see
  // PageFocus), as the mouse moves it too; Enter and Space run the focused element's click
  // ("OnMouseIn" unless the element is already under the pointer, "OnMouseDown",
  // "OnMouseUp"); Escape runs the click of the document's own Exit when it has exactly one.
  void FocusNext(bool backward);
  void PressFocused();
  void Escape();
  // Runs the click of the page's element with this serial (a screen reader's press); false
  // when it takes no focus.
  bool Press(int32_t serial);
  // Alt+F4 or the window manager's close: the program ends as Exit ends it.
  void CloseRequested();
  CElement* focused() const { return focus_.Focused(main_page()); }
  // The page's elements as a screen reader sees them.
  std::vector<AccessibleItem> AccessibleItems() const { return focus_.Items(main_page()); }
  std::optional<AccessibleItem> AccessibleItemOf(int32_t serial) const {
    return focus_.ItemOf(main_page(), serial);
  }
  // The window is to be closed: the document is unloaded.
  void Destroy();

  // ScriptHost
  void PostRequest(PageRequest request) override;
  void Minimize() override;
  void ItemExecuted(const CScriptItem& item, ActionResult result) override;
  void EventFired(std::string_view event, std::string_view section, std::string_view id,
                  bool ran) override;
  void BudgetSpent(std::string_view event) override;

  // Why the last start-up load or load failed, naming the file ("" when another copy of the
  // program runs, which is no fault).
  const std::string& last_error() const { return last_error_; }
  // Pages wider or taller than this are cut to it: a back buffer or region for a larger
  // page would take memory out of proportion to any document.
  static constexpr int32_t kMaxPageSide = 8192;

  CBrowserDocument& document() { return document_; }
  CBrowser* main_page() const { return document_.main_page(); }
  const std::string& document_path() const { return document_path_; }
  const std::string& document_member() const { return document_member_; }
  const std::string& resolution_member() const { return resolution_member_; }
  const std::string& document_dir() const { return document_dir_; }
  const std::string& title() const { return title_; }
  bool is_appbar() const { return appbar_; }
  int32_t window_type() const { return window_type_; }
  const CDataFile* current_file() const { return current_file_; }
  CMultiFileCdz& container() { return container_; }
  const MemoryBudget& budget() const { return budget_; }
  const CMultiResolution& resolution() const { return resolution_; }
  CElement* pressed() const { return pressed_; }
  CElement* hovered() const { return hovered_; }
  ScriptContext& script_context() { return context_; }
  Trace& trace() { return services_.trace; }

 private:
  LoadContext MakeLoadContext();
  void ApplyWindowSettings(const CDataFile& file);
  void BackgroundRecapture();
  void FireEvent(CElement* element, std::string_view event);
  void InvalidateBounds(CElement* element);
  // The pointer (or the keyboard's click) is over `element` now: the one before gets
  // "OnMouseOut", this one "OnMouseIn", and the focus follows it.
  void Hover(CElement* element);
  void Click(CElement* element);
  // After a load: the new page's first element has the focus.
  void PageShown(const CDataFile& file);
  // The focus moved away from `before` (or not): the ring is painted again, the trace and
  // the window are told.
  void FocusMovedFrom(CElement* before);
  void OpenAndReload(const std::string& name);
  // Exit: asks the window to close; from here on no request runs.
  void Close();
  // The document's pictures are let go: the next one decodes its own, with a fresh report.
  void ForgetPictures();

  CIdManager& ids_;
  Services services_;
  std::string program_dir_;
  std::string program_container_;
  // What everything decoded from the document takes, and its pictures, shared by its
  // elements: both outlive the document's elements.
  MemoryBudget budget_;
  std::unique_ptr<SharedPictureSource> pictures_;
  // In the order the window keeps them: the document before the pressed and hovered
  // elements, the container after the document.
  CBrowserDocument document_;
  CElement* pressed_ = nullptr;
  CElement* hovered_ = nullptr;
  // The element under the pointer was put there by the keyboard's click: the focus leaving
  // it ends its hover.
  bool hovered_by_keys_ = false;
  PageFocus focus_;
  std::string document_path_;
  std::string document_member_;
  std::string resolution_member_;
  std::string document_dir_;
  std::string title_;
  bool appbar_ = false;
  int32_t window_type_ = 0;
  CDataFile* current_file_ = nullptr;
  CMultiResolution resolution_;
  CMultiFileCdz container_;
  ScriptContext context_;
  Point drag_origin_{-1, -1};
  bool window_moved_ = false;
  bool recapture_ = false;
  std::string last_error_;
  std::string startup_name_;  // the command line's document name
  bool closing_ = false;
};

}  // namespace browser
