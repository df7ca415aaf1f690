// XMP sidecars: XML read by a small parser that checks that the elements nest and close,
// resolves the namespaces of the element and attribute names, and keeps the three dates.
#include <algorithm>
#include <string>
#include <vector>

#include "entries/sidecar_date.h"
#include "entries/text_date.h"

namespace {

constexpr size_t kDepthLimit = 256;
constexpr size_t kAttributeLimit = 1024;
// The longest date text that is kept.
constexpr size_t kTextLimit = 64;

struct Wanted {
  std::string_view space, name;
};
// In the order of preference.
constexpr Wanted kWanted[] = {
    {"http://ns.adobe.com/exif/1.0/", "DateTimeOriginal"},
    {"http://ns.adobe.com/photoshop/1.0/", "DateCreated"},
    {"http://ns.adobe.com/xap/1.0/", "CreateDate"},
};
constexpr size_t kWantedCount = sizeof kWanted / sizeof kWanted[0];

struct Element {
  std::string_view name;
  size_t declarations;  // the namespace declarations in force around it
  int wanted;           // the date it holds as text, -1 for none
};

struct Attribute {
  std::string_view name, value;
};

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  bool Parse() {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") at_ = 3;
    bool rootClosed = false;
    while (at_ < text_.size()) {
      if (text_[at_] != '<') {
        const size_t end = std::min(text_.find('<', at_), text_.size());
        const std::string_view text = text_.substr(at_, end - at_);
        at_ = end;
        if (stack_.empty()) {
          if (text.find_first_not_of(" \t\r\n") != std::string_view::npos) return false;
        } else {
          AddText(text);
        }
      } else if (Skip("<?", "?>") || Skip("<!--", "-->")) {
      } else if (text_.compare(at_, 9, "<![CDATA[") == 0) {
        const size_t end = text_.find("]]>", at_ + 9);
        if (stack_.empty() || end == std::string_view::npos) return false;
        AddText(text_.substr(at_ + 9, end - at_ - 9));
        at_ = end + 3;
      } else if (text_.compare(at_, 2, "</") == 0) {
        if (stack_.empty() || !EndTag()) return false;
        rootClosed = stack_.empty();
      } else if (text_.compare(at_, 2, "<!") == 0) {
        // A document type declaration, without an internal subset.
        const size_t end = text_.find('>', at_);
        if (end == std::string_view::npos ||
            text_.substr(at_, end - at_).find('[') != std::string_view::npos) {
          return false;
        }
        at_ = end + 1;
      } else {
        if (rootClosed || !StartTag()) return false;
        rootClosed = stack_.empty();
      }
      if (failed_) return false;
    }
    return rootClosed;
  }

  const std::string& Found(size_t wanted) const { return found_[wanted]; }

 private:
  // Moves past a construct from `open` to `close`; false where none opens here.
  bool Skip(std::string_view open, std::string_view close) {
    if (text_.compare(at_, open.size(), open) != 0) return false;
    const size_t end = text_.find(close, at_ + open.size());
    if (end == std::string_view::npos) {
      failed_ = true;
      return true;
    }
    at_ = end + close.size();
    return true;
  }

  static bool NameChar(char c) {
    return !(c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '/' || c == '>' || c == '=' ||
             c == '<' || c == '"' || c == '\'');
  }
  bool Name(std::string_view& name) {
    const size_t start = at_;
    while (at_ < text_.size() && NameChar(text_[at_])) ++at_;
    name = text_.substr(start, at_ - start);
    return !name.empty();
  }
  void Space() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\r' || text_[at_] == '\n')) {
      ++at_;
    }
  }
  bool Take(char c) {
    if (at_ >= text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
  }

  // The namespace of a prefixed name ("" where its prefix is not declared) and its local part.
  std::string_view Resolve(std::string_view name, std::string_view& local) const {
    const size_t colon = name.find(':');
    if (colon == std::string_view::npos) {
      local = name;
      return {};
    }
    local = name.substr(colon + 1);
    const std::string_view prefix = name.substr(0, colon);
    for (size_t i = declarations_.size(); i-- > 0;) {
      if (declarations_[i].name == prefix) return declarations_[i].value;
    }
    return {};
  }

  int WantedOf(std::string_view name) const {
    std::string_view local;
    const std::string_view space = Resolve(name, local);
    for (size_t i = 0; i < kWantedCount; ++i) {
      if (space == kWanted[i].space && local == kWanted[i].name) return static_cast<int>(i);
    }
    return -1;
  }

  void Keep(int wanted, std::string_view text) {
    if (wanted >= 0 && !kept_[wanted]) {
      kept_[wanted] = true;
      found_[wanted] = std::string(text.substr(0, kTextLimit + 1));
    }
  }

  void AddText(std::string_view text) {
    const Element& top = stack_.back();
    if (top.wanted < 0 || kept_[top.wanted]) return;
    std::string& open = open_[top.wanted];
    if (open.size() <= kTextLimit) open.append(text.substr(0, kTextLimit + 1 - open.size()));
  }

  bool StartTag() {
    ++at_;
    std::string_view name;
    if (!Name(name)) return false;
    std::vector<Attribute> attributes;
    bool empty = false;
    for (;;) {
      const size_t before = at_;
      Space();
      if (Take('>')) break;
      if (text_.compare(at_, 2, "/>") == 0) {
        at_ += 2;
        empty = true;
        break;
      }
      std::string_view attribute, value;
      if (at_ == before || !Name(attribute)) return false;
      Space();
      if (!Take('=')) return false;
      Space();
      if (at_ >= text_.size() || (text_[at_] != '"' && text_[at_] != '\'')) return false;
      const char quote = text_[at_++];
      const size_t end = text_.find(quote, at_);
      if (end == std::string_view::npos || attributes.size() >= kAttributeLimit) return false;
      value = text_.substr(at_, end - at_);
      if (value.find('<') != std::string_view::npos) return false;
      at_ = end + 1;
      attributes.push_back({attribute, value});
    }
    const size_t outer = declarations_.size();
    for (const Attribute& a : attributes) {
      if (a.name.substr(0, 6) == "xmlns:") declarations_.push_back({a.name.substr(6), a.value});
    }
    for (const Attribute& a : attributes) Keep(WantedOf(a.name), a.value);
    const int wanted = WantedOf(name);
    if (empty) {
      Keep(wanted, {});
      declarations_.resize(outer);
      return true;
    }
    if (stack_.size() >= kDepthLimit) return false;
    if (wanted >= 0) open_[wanted].clear();
    stack_.push_back({name, outer, wanted});
    return true;
  }

  bool EndTag() {
    at_ += 2;
    std::string_view name;
    if (!Name(name)) return false;
    Space();
    if (!Take('>') || name != stack_.back().name) return false;
    const Element& closed = stack_.back();
    if (closed.wanted >= 0) Keep(closed.wanted, open_[closed.wanted]);
    declarations_.resize(closed.declarations);
    stack_.pop_back();
    return true;
  }

  std::string_view text_;
  size_t at_ = 0;
  bool failed_ = false;
  std::vector<Element> stack_;
  std::vector<Attribute> declarations_;  // prefix and namespace
  std::string open_[kWantedCount];       // the text of a wanted element still open
  std::string found_[kWantedCount];
  bool kept_[kWantedCount] = {};
};

std::string_view Trimmed(std::string_view text) {
  const size_t start = text.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(" \t\r\n") + 1 - start);
}

// XMP's dates: ISO 8601 to the second or to the minute, with its offset where it has one.
bool XmpDate(std::string_view text, ExifDate& date) {
  text = Trimmed(text);
  if (ParseIsoDateText(text, date)) return true;
  // "YYYY-MM-DDThh:mm" and whatever offset follows: the seconds are 0.
  if (text.size() < 16 || text[13] != ':' || (text.size() > 16 && text[16] == ':')) return false;
  const std::string whole = std::string(text.substr(0, 16)) + ":00" + std::string(text.substr(16));
  return ParseIsoDateText(whole, date);
}

}  // namespace

bool ReadXmpDate(std::string_view text, ExifDate& date) {
  Parser parser(text);
  if (!parser.Parse()) return false;
  for (size_t i = 0; i < kWantedCount; ++i) {
    if (XmpDate(parser.Found(i), date)) return true;
  }
  return false;
}
