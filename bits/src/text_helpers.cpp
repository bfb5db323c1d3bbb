#include "bits/text_helpers.h"

#include <string_view>

namespace bits {

namespace {

std::size_t TrimmedLength(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  return s.find_last_not_of(' ') - first + 1;
}

// Text from a 1-based position on; empty past the end.
std::string FromPosition(const std::string& s, std::size_t position) {
  return position - 1 < s.size() ? s.substr(position - 1) : std::string();
}

// Every occurrence, left to right, without rescanning what was inserted.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  for (std::size_t hit; (hit = text.find(from, pos)) != std::string_view::npos;
       pos = hit + from.size()) {
    out.append(text.substr(pos, hit - pos));
    out.append(to);
  }
  out.append(text.substr(pos));
  return out;
}

// Position (from 1) of the first occurrence; an empty word is found at 1 in
// any non-empty text.
std::size_t PositionOf(const std::string& text, const std::string& word) {
  if (text.empty()) return 0;
  const std::size_t hit = text.find(word);
  return hit == std::string::npos ? 0 : hit + 1;
}

}  // namespace

platform::Variant Out_Chaine(platform::Variant& lChaine, platform::Variant& lMot) {
  const std::string chaine = lChaine.toString();
  const std::string mot = lMot.toString();
  const std::size_t L = TrimmedLength(chaine);
  const std::size_t W = TrimmedLength(mot);
  const std::size_t P = PositionOf(chaine, mot);
  if (P == 0) return {};
  if (W == L) return std::string();
  if (P == 1) return FromPosition(chaine, W + 2);
  if (L > W && P == L - W) return chaine.substr(0, L - W - 1);
  return chaine.substr(0, P - 1) + FromPosition(chaine, P + W + 1);
}

std::string StringUnEscape(std::string& strMsg) {
  std::string s = ReplaceAll(strMsg, "\\r", "\r");
  s = ReplaceAll(s, "\\f", "\n");
  return ReplaceAll(s, "\\\\", "\\");
}

std::string StringEscape(std::string& strMsg) {
  std::string s = ReplaceAll(strMsg, "\\", "\\\\");
  s = ReplaceAll(s, "\r", "\\r");
  return ReplaceAll(s, "\n", "\\f");
}

}  // namespace bits
