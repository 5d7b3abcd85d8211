#include "platform/rcgen/script_tokens.h"

#include <cctype>
#include <cstring>

namespace {

bool IsNameStart(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

class Tokenizer {
 public:
  Tokenizer(const std::string& file, const std::string& text, int firstLine)
      : file_(file), text_(text), line_(firstLine) {}

  std::vector<Token> Run() {
    std::vector<Token> tokens;
    bool lineStart = true;
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
        lineStart = true;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (text_.compare(pos_, 2, "//") == 0) {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      } else if (text_.compare(pos_, 2, "/*") == 0) {
        SkipBlockComment();
      } else if (c == '#' && lineStart) {
        tokens.push_back(Directive());
      } else {
        tokens.push_back(Next());
        lineStart = false;
      }
    }
    tokens.push_back({TokenKind::End, "", 0, line_});
    return tokens;
  }

 private:
  void SkipBlockComment() {
    int start = line_;
    size_t end = text_.find("*/", pos_ + 2);
    if (end == std::string::npos) throw ScriptError(file_, start, "unterminated comment");
    for (size_t i = pos_; i < end; ++i) line_ += text_[i] == '\n';
    pos_ = end + 2;
  }

  // The whole line, continuation lines joined, without its comment.
  Token Directive() {
    int line = line_;
    std::string directive;
    while (pos_ < text_.size() && text_[pos_] != '\n') {
      if (text_[pos_] == '\\' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') {
        pos_ += 2;
        ++line_;
      } else if (text_.compare(pos_, 2, "//") == 0) {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      } else {
        directive += text_[pos_++];
      }
    }
    while (!directive.empty() && std::isspace(static_cast<unsigned char>(directive.back()))) {
      directive.pop_back();
    }
    return {TokenKind::Directive, directive, 0, line};
  }

  Token Next() {
    char c = text_[pos_];
    if (IsNameStart(c)) {
      size_t start = pos_;
      while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
      return {TokenKind::Name, text_.substr(start, pos_ - start), 0, line_};
    }
    if (std::isdigit(static_cast<unsigned char>(c))) return Number();
    if (c == '"') return String();
    if (c == ',' || c == '|' || c == '(' || c == ')' || c == '-') {
      ++pos_;
      return {TokenKind::Punct, std::string(1, c), 0, line_};
    }
    std::string shown = static_cast<unsigned char>(c) < 0x80 ? std::string(1, c) : "non-ASCII";
    throw ScriptError(file_, line_, "unexpected character '" + shown + "'");
  }

  Token Number() {
    size_t start = pos_;
    int base = 10;
    if (text_.compare(pos_, 2, "0x") == 0 || text_.compare(pos_, 2, "0X") == 0) {
      base = 16;
      pos_ += 2;
    }
    int64_t value = 0;
    size_t digits = 0;
    while (pos_ < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[pos_]))) {
      char d = static_cast<char>(std::tolower(static_cast<unsigned char>(text_[pos_])));
      int digit = d <= '9' ? d - '0' : d - 'a' + 10;
      if (digit >= base) break;
      value = value * base + digit;
      if (value > 0xFFFFFFFFLL) throw ScriptError(file_, line_, "number does not fit 32 bits");
      ++pos_;
      ++digits;
    }
    if (digits == 0) throw ScriptError(file_, line_, "hexadecimal number without digits");
    while (pos_ < text_.size() && std::strchr("LlUu", text_[pos_]) != nullptr) ++pos_;
    if (pos_ < text_.size() && IsNameChar(text_[pos_])) {
      throw ScriptError(file_, line_,
                        "malformed number '" + text_.substr(start, pos_ + 1 - start) + "'");
    }
    return {TokenKind::Number, text_.substr(start, pos_ - start), value, line_};
  }

  Token String() {
    int line = line_;
    std::string bytes;
    ++pos_;
    for (;;) {
      if (pos_ >= text_.size() || text_[pos_] == '\n') {
        throw ScriptError(file_, line, "unterminated string");
      }
      char c = text_[pos_++];
      if (c == '\\')
        throw ScriptError(file_, line, "escape sequences are not supported in strings");
      if (c == '"') {
        if (pos_ < text_.size() && text_[pos_] == '"') {
          bytes += '"';
          ++pos_;
          continue;
        }
        return {TokenKind::String, bytes, 0, line};
      }
      bytes += c;
    }
  }

  const std::string& file_;
  const std::string& text_;
  size_t pos_ = 0;
  int line_;
};

}  // namespace

ScriptError::ScriptError(const std::string& file, int line, const std::string& reason)
    : std::runtime_error(file + ":" + std::to_string(line) + ": error: " + reason) {}

std::vector<Token> Tokenize(const std::string& file, const std::string& text, int firstLine) {
  return Tokenizer(file, text, firstLine).Run();
}
