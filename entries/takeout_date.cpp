// Google Takeout's JSON sidecars, read by a JSON parser that checks the whole text and keeps
// only the two timestamps.
#include <cctype>
#include <string>
#include <vector>

#include "entries/date_value.h"
#include "entries/sidecar_date.h"

namespace {

// A sidecar nests a few levels; deeper is no sidecar of Takeout's.
constexpr size_t kDepthLimit = 64;
// Seconds from 1970 to 9999 take 12 digits.
constexpr size_t kDigitLimit = 12;

enum class Slot { None, Top, PhotoTaken, Creation };

struct Frame {
  bool object;
  Slot slot;
  bool fresh;  // no item yet
};

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  // Parses the whole text, an object; the timestamps found are in `found`.
  bool Parse(std::string_view found[2]) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") at_ = 3;
    Space();
    if (!Is('{') || !Value(Slot::Top, nullptr)) return false;
    // Each container on the stack until it closes: no recursion.
    while (!stack_.empty()) {
      const Frame frame = stack_.back();
      Space();
      if (Take(frame.object ? '}' : ']')) {
        stack_.pop_back();
        continue;
      }
      if (!frame.fresh && !Take(',')) return false;
      stack_.back().fresh = false;
      if (!Item(frame, found)) return false;
    }
    Space();
    return at_ == text_.size();
  }

 private:
  // An array's value, or an object's key, colon and value.
  bool Item(Frame frame, std::string_view found[2]) {
    Space();
    std::string_view key;
    if (frame.object) {
      if (!String(key)) return false;
      Space();
      if (!Take(':')) return false;
      Space();
    }
    Slot slot = Slot::None;
    if (frame.slot == Slot::Top && key == "photoTakenTime") slot = Slot::PhotoTaken;
    if (frame.slot == Slot::Top && key == "creationTime") slot = Slot::Creation;
    const bool wanted =
        (frame.slot == Slot::PhotoTaken || frame.slot == Slot::Creation) && key == "timestamp";
    std::string_view* target = wanted ? &found[frame.slot == Slot::PhotoTaken ? 0 : 1] : nullptr;
    return Value(slot, target);
  }

  // A value: a container is opened (its items follow on the stack), a scalar read whole.
  bool Value(Slot slot, std::string_view* target) {
    if (Is('{') || Is('[')) {
      if (stack_.size() >= kDepthLimit) return false;
      stack_.push_back({text_[at_++] == '{', slot, true});
      return true;
    }
    std::string_view scalar;
    if (Is('"')) {
      if (!String(scalar)) return false;
    } else if (!Number(scalar) && !Literal()) {
      return false;
    }
    if (target && target->empty()) *target = scalar;
    return true;
  }

  bool String(std::string_view& contents) {
    if (!Take('"')) return false;
    const size_t start = at_;
    while (at_ < text_.size() && text_[at_] != '"') {
      const unsigned char c = static_cast<unsigned char>(text_[at_++]);
      if (c < 0x20) return false;
      if (c != '\\') continue;
      if (at_ >= text_.size()) return false;
      const char escaped = text_[at_++];
      if (escaped == 'u') {
        for (int i = 0; i < 4; ++i, ++at_) {
          if (at_ >= text_.size() || !std::isxdigit(static_cast<unsigned char>(text_[at_]))) {
            return false;
          }
        }
      } else if (std::string_view("\"\\/bfnrt").find(escaped) == std::string_view::npos) {
        return false;
      }
    }
    if (at_ >= text_.size()) return false;
    contents = text_.substr(start, at_++ - start);
    return true;
  }

  bool Digits() {
    const size_t start = at_;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
    return at_ > start;
  }

  bool Number(std::string_view& number) {
    const size_t start = at_;
    Take('-');
    if (Take('0')) {
      if (Is('0') || (at_ < text_.size() && text_[at_] > '0' && text_[at_] <= '9')) return false;
    } else if (!Digits()) {
      return false;
    }
    if (Take('.') && !Digits()) return false;
    if (Take('e') || Take('E')) {
      if (!Take('+')) Take('-');
      if (!Digits()) return false;
    }
    number = text_.substr(start, at_ - start);
    return true;
  }

  bool Literal() {
    for (std::string_view word : {"true", "false", "null"}) {
      if (text_.substr(at_, word.size()) == word) {
        at_ += word.size();
        return true;
      }
    }
    return false;
  }

  void Space() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r')) {
      ++at_;
    }
  }
  bool Is(char c) const { return at_ < text_.size() && text_[at_] == c; }
  bool Take(char c) {
    if (!Is(c)) return false;
    ++at_;
    return true;
  }

  std::string_view text_;
  size_t at_ = 0;
  std::vector<Frame> stack_;
};

// Whole seconds since 1970 that name a date after it.
bool Timestamp(std::string_view text, ExifDate& date) {
  if (text.empty() || text.size() > kDigitLimit) return false;
  int64_t seconds = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    seconds = seconds * 10 + (c - '0');
  }
  if (seconds == 0 || !SecondsToClock(kEpochDay1970, seconds, date.taken)) return false;
  date.hasOffset = true;
  date.offsetMinutes = 0;
  return true;
}

}  // namespace

bool ReadTakeoutDate(std::string_view text, ExifDate& date) {
  std::string_view found[2];
  if (!Parser(text).Parse(found)) return false;
  ExifDate read;
  if (!Timestamp(found[0], read) && !Timestamp(found[1], read)) return false;
  date = read;
  return true;
}
