// The objects of a file drag: the data object that offers one file in the shell's file-list
// format, the drop source that decides when the drag ends, and the enumerator of the data
// object's formats. They keep the answers of the OLE interfaces they stand for (the same
// result codes, the same rules for missing arguments), so that a program's drag machinery
// can ask them as a drop target would, and tests can check the rules without a drag.
//
// Reference counts start at 1; Release deletes the object when the count reaches 0, so each
// object is made with `new` and is never owned by anything else.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace browser {

// The original HRESULT values.
enum class OleResult : uint32_t {
  kOk = 0x00000000,                  // S_OK
  kFalse = 0x00000001,               // S_FALSE
  kNotImplemented = 0x80004001,      // E_NOTIMPL
  kNoInterface = 0x80004002,         // E_NOINTERFACE
  kFail = 0x80004005,                // E_FAIL
  kOutOfMemory = 0x8007000E,         // E_OUTOFMEMORY
  kInvalidArg = 0x80070057,          // E_INVALIDARG
  kAdviseNotSupported = 0x80040003,  // OLE_E_ADVISENOTSUPPORTED
  kBadFormatEtc = 0x80040064,        // DV_E_FORMATETC
  kBadTymed = 0x80040069,            // DV_E_TYMED
  kBadAspect = 0x8004006B,           // DV_E_DVASPECT
  kUseRegistry = 0x00040000,         // OLE_S_USEREG
  kDrop = 0x00040100,                // DRAGDROP_S_DROP
  kCancel = 0x00040101,              // DRAGDROP_S_CANCEL
  kUseDefaultCursors = 0x00040102,   // DRAGDROP_S_USEDEFAULTCURSORS
  kSameFormatEtc = 0x00040130,       // DATA_S_SAMEFORMATETC
};

inline constexpr uint16_t kCfHdrop = 15;       // the shell's file list
inline constexpr uint32_t kAspectContent = 1;  // DVASPECT_CONTENT
inline constexpr uint32_t kTymedNull = 0;
inline constexpr uint32_t kTymedHGlobal = 1;  // TYMED_HGLOBAL
inline constexpr uint32_t kDataDirGet = 1;    // DATADIR_GET
inline constexpr uint32_t kDataDirSet = 2;
inline constexpr uint32_t kDropEffectCopy = 1;
inline constexpr uint32_t kDropEffectMove = 2;
inline constexpr uint32_t kDropEffectLink = 4;
inline constexpr uint32_t kKeyLeftButton = 1;  // MK_LBUTTON in a key state

enum class InterfaceId { kUnknown, kDataObject, kDropSource, kEnumFormatEtc };

// FORMATETC: which data, for which device, in which aspect, through which medium.
struct FormatEtc {
  uint16_t format = 0;
  bool target_device = false;  // a device description was given (none is)
  uint32_t aspect = kAspectContent;
  int32_t index = -1;
  uint32_t tymed = kTymedHGlobal;
  bool operator==(const FormatEtc&) const = default;
};

// A movable global memory block (flags GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE).
struct GlobalBlock {
  static constexpr uint32_t kShareableFlags = 0x2042;
  uint32_t flags = kShareableFlags;
  std::vector<uint8_t> bytes;
};

// STGMEDIUM: the medium type and its handle. Entries of a data object that took the same
// medium share its block; a block handed out by GetData belongs to the receiver alone.
struct StgMedium {
  uint32_t tymed = kTymedNull;
  std::shared_ptr<GlobalBlock> hglobal;
  bool release_object = false;
};

// The file-list block a drop target receives: a 20-byte header (the list's offset 20, the
// drop point (0, 0), the non-client flag 0, the wide-character flag 0), the path's bytes,
// a zero byte ending the name and a second one ending the list; 281 bytes in all.
inline constexpr size_t kFileListHeader = 20;
inline constexpr size_t kFileListBytes = 281;
inline constexpr size_t kMaxDragPath = 259;  // the longest path the block holds
// Nothing when the path is longer than kMaxDragPath bytes.
std::unique_ptr<GlobalBlock> BuildFileList(const std::string& path);
// The first name of a file-list block of ANSI names (empty when the path offered was); nothing
// for a block that is not one.
std::optional<std::string> FileListPath(const GlobalBlock& block);

// IUnknown: the reference count and the interfaces an object answers for.
class CUnknown {
 public:
  CUnknown(const CUnknown&) = delete;
  CUnknown& operator=(const CUnknown&) = delete;

  uint32_t AddRef() { return ++references_; }
  // Deletes the object when the count reaches 0; answers the count left.
  uint32_t Release();
  // Itself, with a reference added, for the interfaces it implements; else nothing and
  // kNoInterface.
  OleResult QueryInterface(InterfaceId id, CUnknown** out);

 protected:
  CUnknown() = default;
  virtual ~CUnknown() = default;
  virtual bool Implements(InterfaceId id) const = 0;

 private:
  uint32_t references_ = 1;
};

class CEnumFormatEtc;

// CImpIDataObject: up to 5 format entries with their media, offering the file `path` names.
class CImpIDataObject : public CUnknown {
 public:
  static constexpr size_t kMaxEntries = 5;
  explicit CImpIDataObject(std::string path) : path_(std::move(path)) {}

  // The file list for CF_HDROP, built anew on every call (a block that cannot be made leaves
  // the handle empty and still answers kOk).
  OleResult GetData(const FormatEtc* format, StgMedium* medium);
  OleResult GetDataHere(const FormatEtc* format, StgMedium* medium);
  OleResult QueryGetData(const FormatEtc* format) const;
  OleResult GetCanonicalFormatEtc(const FormatEtc* in, FormatEtc* out) const;
  // Only takes ownership (`release` true); replaces the entries of the same clipboard format
  // and appends the pair.
  OleResult SetData(const FormatEtc* format, StgMedium* medium, bool release);
  OleResult EnumFormatEtc(uint32_t direction, CEnumFormatEtc** out);
  OleResult DAdvise() { return OleResult::kNotImplemented; }
  OleResult DUnadvise() { return OleResult::kNotImplemented; }
  OleResult EnumDAdvise() { return OleResult::kAdviseNotSupported; }

  const std::string& path() const { return path_; }
  size_t entry_count() const { return entries_.size(); }

 protected:
  bool Implements(InterfaceId id) const override {
    return id == InterfaceId::kUnknown || id == InterfaceId::kDataObject;
  }

 private:
  struct Entry {
    FormatEtc format;
    StgMedium medium;
  };
  std::string path_;
  std::vector<Entry> entries_;
};

// CImpIDropSource: the drag goes on while the left button is held, drops when it is let go
// and is cancelled by Escape; the desktop's drag cursors are used.
class CImpIDropSource : public CUnknown {
 public:
  OleResult QueryContinueDrag(bool escape_pressed, uint32_t key_state) const;
  OleResult GiveFeedback(uint32_t effect) const;

 protected:
  bool Implements(InterfaceId id) const override {
    return id == InterfaceId::kUnknown || id == InterfaceId::kDropSource;
  }
};

// CEnumFormatEtc: its own copy of the formats and a position.
class CEnumFormatEtc : public CUnknown {
 public:
  explicit CEnumFormatEtc(std::vector<FormatEtc> formats, size_t position = 0)
      : formats_(std::move(formats)), position_(position) {}

  // Up to `count` formats from the position into `out`; kOk when all were copied. Without
  // `fetched` only a count of 1 is taken.
  OleResult Next(uint32_t count, FormatEtc* out, uint32_t* fetched);
  OleResult Skip(uint32_t count);
  OleResult Reset();
  OleResult Clone(CEnumFormatEtc** out) const;

 protected:
  bool Implements(InterfaceId id) const override {
    return id == InterfaceId::kUnknown || id == InterfaceId::kEnumFormatEtc;
  }

 private:
  std::vector<FormatEtc> formats_;
  size_t position_ = 0;
};

// What starts a drag: the program's drag machinery (the Qt one, or a test's). Returns when
// the user has dropped or cancelled; answers the drop effect the target chose (0: nothing
// was dropped). Only effects in `allowed` are offered.
class FileDragger {
 public:
  virtual ~FileDragger() = default;
  virtual uint32_t DoDragDrop(CImpIDataObject& data, CImpIDropSource& source, uint32_t allowed) = 0;
};

}  // namespace browser
