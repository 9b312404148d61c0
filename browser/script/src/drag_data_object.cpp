// The data object, drop source and format enumerator of a file drag.
#include "browser/script/drag_data_object.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace browser {
namespace {

void PutDword(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetDword(const std::vector<uint8_t>& bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= uint32_t{bytes[at + i]} << (8 * i);
  return value;
}

}  // namespace

// ---- The file-list block ----------------------------------------------------------------

std::unique_ptr<GlobalBlock> BuildFileList(const std::string& path) {
  // The block has room for 259 bytes of path and its two zero bytes; a longer path would run
  // past its end.
  if (path.size() > kMaxDragPath) return nullptr;
  auto block = std::unique_ptr<GlobalBlock>(new (std::nothrow) GlobalBlock);
  if (!block) return nullptr;
  block->bytes.assign(kFileListBytes, 0);
  PutDword(block->bytes, 0, kFileListHeader);
  // The drop point (offsets 4 and 8) and both flags (12 and 16) stay 0.
  std::memcpy(block->bytes.data() + kFileListHeader, path.data(), path.size());
  return block;
}

std::optional<std::string> FileListPath(const GlobalBlock& block) {
  const std::vector<uint8_t>& b = block.bytes;
  if (b.size() < kFileListHeader) return std::nullopt;
  const uint32_t offset = GetDword(b, 0);
  // Wide names are not what this program offers.
  if (offset < kFileListHeader || offset >= b.size() || GetDword(b, 16) != 0) return std::nullopt;
  const auto begin = b.begin() + offset;
  const auto end = std::find(begin, b.end(), uint8_t{0});
  // An empty first name is one too: an empty path is offered as it is.
  if (end == b.end()) return std::nullopt;
  return std::string(begin, end);
}

// ---- IUnknown -----------------------------------------------------------------------------

uint32_t CUnknown::Release() {
  const uint32_t left = --references_;
  if (left == 0) delete this;
  return left;
}

OleResult CUnknown::QueryInterface(InterfaceId id, CUnknown** out) {
  if (out == nullptr) return OleResult::kInvalidArg;
  *out = nullptr;
  if (!Implements(id)) return OleResult::kNoInterface;
  AddRef();
  *out = this;
  return OleResult::kOk;
}

// ---- CImpIDataObject ------------------------------------------------------------------------

OleResult CImpIDataObject::GetData(const FormatEtc* format, StgMedium* medium) {
  if (format == nullptr || medium == nullptr) return OleResult::kInvalidArg;
  medium->hglobal.reset();
  for (const Entry& e : entries_) {
    if ((e.format.tymed & format->tymed) == 0 || e.format.aspect != format->aspect ||
        e.format.format != format->format) {
      continue;
    }
    if (format->format != kCfHdrop) break;
    medium->tymed = kTymedHGlobal;
    medium->release_object = false;
    // A block that cannot be made is no handle, and still an answer.
    medium->hglobal = BuildFileList(path_);
    return OleResult::kOk;
  }
  return OleResult::kBadFormatEtc;
}

OleResult CImpIDataObject::GetDataHere(const FormatEtc* format, StgMedium* medium) {
  return format != nullptr && medium != nullptr ? OleResult::kNotImplemented
                                                : OleResult::kInvalidArg;
}

OleResult CImpIDataObject::QueryGetData(const FormatEtc* format) const {
  if (format == nullptr) return OleResult::kFalse;
  if ((format->aspect & kAspectContent) == 0) return OleResult::kBadAspect;
  for (const Entry& e : entries_) {
    if (e.format.format == format->format && (e.format.tymed & format->tymed) != 0) {
      return OleResult::kOk;
    }
  }
  return OleResult::kBadTymed;
}

OleResult CImpIDataObject::GetCanonicalFormatEtc(const FormatEtc*, FormatEtc*) const {
  return OleResult::kSameFormatEtc;
}

OleResult CImpIDataObject::SetData(const FormatEtc* format, StgMedium* medium, bool release) {
  if (!release) return OleResult::kFail;
  // Either pointer missing is refused: there would be nothing to store, or nothing to store
  // it under.
  if (format == nullptr || medium == nullptr) return OleResult::kInvalidArg;
  for (Entry& e : entries_) {
    if (e.format.format == format->format) e = {*format, *medium};
  }
  if (entries_.size() >= kMaxEntries) return OleResult::kOutOfMemory;
  entries_.push_back({*format, *medium});
  return OleResult::kOk;
}

OleResult CImpIDataObject::EnumFormatEtc(uint32_t direction, CEnumFormatEtc** out) {
  if (out == nullptr) return OleResult::kInvalidArg;
  *out = nullptr;
  if (direction != kDataDirGet) return OleResult::kUseRegistry;
  std::vector<FormatEtc> formats;
  for (const Entry& e : entries_) formats.push_back(e.format);
  *out = new (std::nothrow) CEnumFormatEtc(std::move(formats));
  return *out != nullptr ? OleResult::kOk : OleResult::kOutOfMemory;
}

// ---- CImpIDropSource ------------------------------------------------------------------------

OleResult CImpIDropSource::QueryContinueDrag(bool escape_pressed, uint32_t key_state) const {
  if (escape_pressed) return OleResult::kCancel;
  if ((key_state & kKeyLeftButton) == 0) return OleResult::kDrop;
  return OleResult::kOk;
}

OleResult CImpIDropSource::GiveFeedback(uint32_t) const { return OleResult::kUseDefaultCursors; }

// ---- CEnumFormatEtc -------------------------------------------------------------------------

OleResult CEnumFormatEtc::Next(uint32_t count, FormatEtc* out, uint32_t* fetched) {
  if (count == 0 || out == nullptr || position_ >= formats_.size()) return OleResult::kFalse;
  if (fetched == nullptr && count != 1) return OleResult::kFalse;
  uint32_t copied = 0;
  while (copied < count && position_ < formats_.size()) out[copied++] = formats_[position_++];
  if (fetched != nullptr) *fetched = copied;
  return copied == count ? OleResult::kOk : OleResult::kFalse;
}

OleResult CEnumFormatEtc::Skip(uint32_t count) {
  if (position_ + count >= formats_.size()) return OleResult::kFalse;
  position_ += count;
  return OleResult::kOk;
}

OleResult CEnumFormatEtc::Reset() {
  position_ = 0;
  return OleResult::kOk;
}

OleResult CEnumFormatEtc::Clone(CEnumFormatEtc** out) const {
  if (out == nullptr) return OleResult::kInvalidArg;
  *out = new (std::nothrow) CEnumFormatEtc(formats_, position_);
  return *out != nullptr ? OleResult::kOk : OleResult::kOutOfMemory;
}

}  // namespace browser
