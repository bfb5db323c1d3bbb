#pragma once
// Profile text in memory: finding a value and writing one, over 8-bit text
// or UTF-16 code units alike. Names compare without regard to ASCII case;
// only the first section of a given name is ever consulted.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform::profile::detail {

template <class C>
using View = std::basic_string_view<C>;

template <class C>
constexpr bool IsBlank(C c) {
  return c == C(' ') || c == C('\t');
}

template <class C>
View<C> TrimBlanks(View<C> s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

template <class C>
constexpr C FoldCase(C c) {
  return (c >= C('a') && c <= C('z')) ? C(c - C('a') + C('A')) : c;
}

template <class C>
bool SameName(View<C> a, View<C> b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

// One physical line: its text is [begin, end), its line end [end, next).
struct Line {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t next = 0;
  bool hasLineEnd() const { return next > end; }
};

// Walks the lines of a text; CRLF, LF and a lone CR all end a line.
template <class C>
class LineReader {
 public:
  explicit LineReader(View<C> text) : text_(text) {}
  bool Next(Line& line) {
    if (pos_ >= text_.size()) return false;
    line.begin = pos_;
    std::size_t i = pos_;
    while (i < text_.size() && text_[i] != C('\r') && text_[i] != C('\n')) ++i;
    line.end = i;
    if (i < text_.size()) {
      const bool crlf = text_[i] == C('\r') && i + 1 < text_.size() && text_[i + 1] == C('\n');
      i += crlf ? 2 : 1;
    }
    line.next = i;
    pos_ = i;
    return true;
  }

 private:
  View<C> text_;
  std::size_t pos_ = 0;
};

enum class LineKind { Blank, Section, Key, Other };

template <class C>
struct Classified {
  LineKind kind = LineKind::Other;
  View<C> name;   // section or key name, blanks trimmed
  View<C> value;  // key value, blanks trimmed
};

template <class C>
Classified<C> Classify(View<C> line) {
  const View<C> t = TrimBlanks(line);
  if (t.empty()) return {LineKind::Blank, {}, {}};
  if (t.front() == C(';')) return {LineKind::Other, {}, {}};
  if (t.front() == C('[')) {
    const std::size_t close = t.find(C(']'));
    if (close != View<C>::npos) return {LineKind::Section, TrimBlanks(t.substr(1, close - 1)), {}};
  }
  const std::size_t eq = t.find(C('='));
  if (eq == View<C>::npos) return {LineKind::Other, {}, {}};
  return {LineKind::Key, TrimBlanks(t.substr(0, eq)), TrimBlanks(t.substr(eq + 1))};
}

// The value of [section] key as written in the file (blanks trimmed, quotes
// still on), or nullopt when the section or the key is missing.
template <class C>
std::optional<View<C>> FindValue(View<C> text, View<C> section, View<C> key) {
  LineReader<C> reader(text);
  Line line;
  bool inSection = false;
  while (reader.Next(line)) {
    const Classified<C> c = Classify(text.substr(line.begin, line.end - line.begin));
    if (c.kind == LineKind::Section) {
      if (inSection) return std::nullopt;
      inSection = SameName(c.name, section);
    } else if (inSection && c.kind == LineKind::Key && SameName(c.name, key)) {
      return c.value;
    }
  }
  return std::nullopt;
}

// One outer pair of matching quotes comes off a value.
template <class C>
View<C> StripOuterQuotes(View<C> value) {
  if (value.size() >= 2 && value.front() == value.back() &&
      (value.front() == C('"') || value.front() == C('\''))) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

template <class C>
void AppendCrLf(std::basic_string<C>& s) {
  s.push_back(C('\r'));
  s.push_back(C('\n'));
}

template <class C>
void AppendKeyLine(std::basic_string<C>& s, View<C> key, View<C> value) {
  s.append(key);
  s.push_back(C('='));
  s.append(value);
  AppendCrLf(s);
}

// The text with [section] key set to value: the key's line rewritten in place
// (keeping the file's spelling of the name), or a new line after the
// section's last key (after its header when it has none), or a new section
// at the end. Every other line stays as it is, line end included.
template <class C>
std::basic_string<C> WithValue(View<C> text, View<C> section, View<C> key, View<C> value) {
  LineReader<C> reader(text);
  Line line;
  bool inSection = false;
  bool sectionFound = false;
  Line insertAfter;  // header or last key line of the section
  while (reader.Next(line)) {
    const Classified<C> c = Classify(text.substr(line.begin, line.end - line.begin));
    if (c.kind == LineKind::Section) {
      if (inSection) break;
      inSection = SameName(c.name, section);
      if (inSection) {
        sectionFound = true;
        insertAfter = line;
      }
    } else if (inSection && c.kind == LineKind::Key) {
      if (SameName(c.name, key)) {
        std::basic_string<C> out(text.substr(0, line.begin));
        AppendKeyLine(out, c.name, value);
        out.append(text.substr(line.next));
        return out;
      }
      insertAfter = line;
    }
  }

  std::basic_string<C> out;
  out.reserve(text.size() + section.size() + key.size() + value.size() + 8);
  if (sectionFound) {
    out.append(text.substr(0, insertAfter.next));
    if (!insertAfter.hasLineEnd()) AppendCrLf(out);
    AppendKeyLine(out, key, value);
    out.append(text.substr(insertAfter.next));
    return out;
  }
  out.append(text);
  if (!text.empty() && text.back() != C('\n') && text.back() != C('\r')) AppendCrLf(out);
  out.push_back(C('['));
  out.append(section);
  out.push_back(C(']'));
  AppendCrLf(out);
  AppendKeyLine(out, key, value);
  return out;
}

}  // namespace platform::profile::detail
