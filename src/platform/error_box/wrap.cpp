#include "platform/error_box/wrap.h"

#include "platform/text/cp932.h"

namespace platform {

namespace {

bool IsWordByte(char c) { return c > ' ' && c < 0x7F; }

// Fills lines from left to right; a line's width is the sum of its parts',
// so every part is measured once.
class Wrapper {
 public:
  Wrapper(int32_t width, const Font& font) : width_(width), font_(font) {}

  void Paragraph(std::string_view text) {
    wrapped_ = false;
    for (size_t pos = 0; pos < text.size();) {
      size_t end = pos;
      while (end < text.size() && IsWordByte(text[end])) ++end;
      if (end == pos) end = pos + NextCp932Char(text, pos).bytes;
      Unit(text.substr(pos, end - pos));
      pos = end;
    }
    EndLine();
  }

  std::vector<std::string> Lines() { return std::move(lines_); }

 private:
  void Unit(std::string_view unit) {
    const int32_t w = font_.TextWidth(unit);
    const bool fits = int64_t{lineWidth_} + w <= width_;
    if (unit == " ") {
      if (!fits) Wrap();
      else if (!(wrapped_ && line_.empty())) Append(unit, w);
      return;
    }
    if (fits) return Append(unit, w);
    if (w <= width_) {
      Wrap();
      return Append(unit, w);
    }
    // Wider than a line by itself: cut between its characters.
    for (size_t pos = 0; pos < unit.size();) {
      const std::string_view one = unit.substr(pos, NextCp932Char(unit, pos).bytes);
      const int32_t cw = font_.TextWidth(one);
      if (int64_t{lineWidth_} + cw > width_ && !line_.empty()) Wrap();
      Append(one, cw);
      pos += one.size();
    }
  }

  void Append(std::string_view unit, int32_t w) {
    line_ += unit;
    lineWidth_ += w;
  }

  // Breaks the line inside its paragraph: the spaces at the break go.
  void Wrap() {
    while (!line_.empty() && line_.back() == ' ') line_.pop_back();
    EndLine();
    wrapped_ = true;
  }

  void EndLine() {
    lines_.push_back(std::move(line_));
    line_.clear();
    lineWidth_ = 0;
  }

  int32_t width_;
  const Font& font_;
  std::vector<std::string> lines_;
  std::string line_;
  int32_t lineWidth_ = 0;
  bool wrapped_ = false;
};

}  // namespace

std::vector<std::string> WrapText(std::string_view cp932, int32_t width, const Font& font) {
  Wrapper wrapper(width, font);
  size_t start = 0;
  for (;;) {
    const size_t end = cp932.find_first_of("\r\n", start);
    wrapper.Paragraph(cp932.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
    if (cp932[end] == '\r' && start < cp932.size() && cp932[start] == '\n') ++start;
    // A line end at the very end of the text adds no empty line.
    if (start == cp932.size()) break;
  }
  return wrapper.Lines();
}

}  // namespace platform
