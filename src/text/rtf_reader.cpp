#include "text/rtf_reader.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "text/utf8_text.h"

namespace {

struct CharStyle {
  bool bold = false, italic = false, underline = false;
  int halfPoints = 24;
  bool operator==(const CharStyle&) const = default;
};

struct ParagraphStyle {
  RtfAlignment alignment = RtfAlignment::kLeft;
  std::vector<int> tabStops;
};

struct GroupState {
  CharStyle chars;
  ParagraphStyle paragraph;
  bool skip = false;     // a destination whose text is not shown (font table...)
  int unicodeSkip = 1;   // characters after \uN that stand in for it
};

struct ControlWord {
  std::string name;
  bool hasParameter = false;
  long parameter = 0;
};

bool IsSkippedDestination(std::string_view name) {
  return name == "fonttbl" || name == "colortbl" || name == "stylesheet" || name == "info" ||
         name == "pict" || name == "header" || name == "footer" || name == "object";
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Reader {
 public:
  explicit Reader(std::string_view rtf) : rtf_(rtf) { groups_.emplace_back(); }

  std::vector<RtfParagraph> Read() {
    while (pos_ < rtf_.size()) {
      const char c = rtf_[pos_++];
      if (c != '\r' && c != '\n' && c != '{' && c != '}' && c != '\\') {
        startOfGroup_ = false;
        raw_ += c;
        continue;
      }
      FlushRaw();
      if (c == '{') {
        groups_.push_back(groups_.back());
        startOfGroup_ = true;
        continue;
      }
      const bool groupStart = startOfGroup_;
      startOfGroup_ = false;
      if (c == '}') {
        if (groups_.size() > 1) groups_.pop_back();
      } else if (c == '\\') {
        Control(groupStart);
      }
    }
    FlushRaw();
    if (!current_.runs.empty()) EndParagraph();
    return std::move(paragraphs_);
  }

 private:
  GroupState& State() { return groups_.back(); }

  void Control(bool groupStart) {
    if (pos_ >= rtf_.size()) return;
    const char c = rtf_[pos_];
    if (!std::isalpha(static_cast<unsigned char>(c))) {
      ++pos_;
      Symbol(c);
      return;
    }
    const ControlWord word = ReadWord();
    if (groupStart && IsSkippedDestination(word.name)) State().skip = true;
    Apply(word);
  }

  ControlWord ReadWord() {
    ControlWord word;
    while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_])) &&
           word.name.size() < 32) {
      word.name += rtf_[pos_++];
    }
    bool negative = false;
    if (pos_ < rtf_.size() && rtf_[pos_] == '-') {
      negative = true;
      ++pos_;
    }
    int digits = 0;
    while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_]))) {
      // Parameters are 16-bit in the format; more digits are read and ignored.
      if (digits++ < 9) word.parameter = word.parameter * 10 + (rtf_[pos_] - '0');
      word.hasParameter = true;
      ++pos_;
    }
    if (negative) word.parameter = -word.parameter;
    if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;
    return word;
  }

  void Symbol(char c) {
    switch (c) {
      case '\\': case '{': case '}': Text(std::string(1, c)); break;
      case '~': Text("\xC2\xA0"); break;
      case '\'': {
        if (pos_ + 1 < rtf_.size()) {
          const int high = HexValue(rtf_[pos_]), low = HexValue(rtf_[pos_ + 1]);
          if (high >= 0 && low >= 0) {
            pos_ += 2;
            Text(Cp1252ToUtf8(std::string(1, static_cast<char>(high * 16 + low))));
          }
        }
        break;
      }
      case '*': State().skip = true; break;
      case '\r': case '\n': EndParagraph(); break;
      default: break;
    }
  }

  void Apply(const ControlWord& word) {
    GroupState& state = State();
    const std::string& name = word.name;
    const bool on = !word.hasParameter || word.parameter != 0;
    if (name == "par") EndParagraph();
    else if (name == "line") Text("\n");
    else if (name == "tab") Text("\t");
    else if (name == "pard") state.paragraph = ParagraphStyle();
    else if (name == "qc") state.paragraph.alignment = RtfAlignment::kCenter;
    else if (name == "qr") state.paragraph.alignment = RtfAlignment::kRight;
    else if (name == "ql") state.paragraph.alignment = RtfAlignment::kLeft;
    else if (name == "tx" && word.hasParameter) state.paragraph.tabStops.push_back(static_cast<int>(word.parameter));
    else if (name == "plain") state.chars = CharStyle();
    else if (name == "b") state.chars.bold = on;
    else if (name == "i") state.chars.italic = on;
    else if (name == "ul") state.chars.underline = on;
    else if (name == "ulnone") state.chars.underline = false;
    else if (name == "fs" && word.hasParameter && word.parameter > 0 && word.parameter < 2000)
      state.chars.halfPoints = static_cast<int>(word.parameter);
    else if (name == "uc" && word.hasParameter && word.parameter >= 0 && word.parameter < 10)
      state.unicodeSkip = static_cast<int>(word.parameter);
    else if (name == "u" && word.hasParameter) Unicode(word.parameter);
  }

  void Unicode(long value) {
    if (value < 0) value += 65536;
    std::string text;
    AppendUtf8(text, value > 0 && value <= 0xFFFF ? static_cast<std::uint32_t>(value) : 0xFFFDu);
    Text(text);
    // Skip the stand-in characters for readers without Unicode.
    for (int i = 0; i < State().unicodeSkip && pos_ < rtf_.size(); ++i) {
      if (rtf_[pos_] == '\\' && pos_ + 1 < rtf_.size() && rtf_[pos_ + 1] == '\'') {
        pos_ = std::min(rtf_.size(), pos_ + 4);
      } else if (rtf_[pos_] == '{' || rtf_[pos_] == '}') {
        break;
      } else {
        ++pos_;
      }
    }
  }

  // Plain bytes are UTF-8 when they read as such, else the Windows code page.
  void FlushRaw() {
    if (raw_.empty()) return;
    Text(IsValidUtf8(raw_) ? raw_ : Cp1252ToUtf8(raw_));
    raw_.clear();
  }

  void Text(const std::string& text) {
    const GroupState& state = State();
    if (state.skip) return;
    const CharStyle& style = state.chars;
    if (!current_.runs.empty() && runStyle_ == style) {
      current_.runs.back().text += text;
      return;
    }
    RtfRun run;
    run.text = text;
    run.bold = style.bold;
    run.italic = style.italic;
    run.underline = style.underline;
    run.halfPoints = style.halfPoints;
    current_.runs.push_back(std::move(run));
    runStyle_ = style;
  }

  void EndParagraph() {
    if (State().skip) return;
    current_.alignment = State().paragraph.alignment;
    current_.tabStops = State().paragraph.tabStops;
    paragraphs_.push_back(std::move(current_));
    current_ = RtfParagraph();
  }

  std::string_view rtf_;
  std::size_t pos_ = 0;
  bool startOfGroup_ = false;
  std::vector<GroupState> groups_;
  std::vector<RtfParagraph> paragraphs_;
  RtfParagraph current_;
  std::string raw_;
  CharStyle runStyle_;
};

}  // namespace

bool LooksLikeRtf(std::string_view text) { return text.substr(0, 5) == "{\\rtf"; }

std::vector<RtfParagraph> ReadRtf(std::string_view rtf) { return Reader(rtf).Read(); }
