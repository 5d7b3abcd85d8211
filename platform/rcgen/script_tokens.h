// Tokens of a resource script or of a #define's value.
//
// A token is a name (letters, digits, "_"), a number (decimal or 0x hex, with
// an optional L or U suffix), a string in double quotes (a doubled quote
// stands for one quote; the bytes are kept as they are), one of the
// punctuation characters , | ( ) -, or a preprocessor line that begins with
// "#". Comments (// and /* */) and white space separate tokens.
#ifndef OMBRIX_PLATFORM_RCGEN_SCRIPT_TOKENS_H
#define OMBRIX_PLATFORM_RCGEN_SCRIPT_TOKENS_H

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

enum class TokenKind { Name, Number, String, Punct, Directive, End };

struct Token {
  TokenKind kind;
  std::string text;  // the name, the string's bytes, the punctuation or the directive line
  int64_t number;
  int line;
};

// A refusal, already formed as "file:line: error: reason".
struct ScriptError : std::runtime_error {
  ScriptError(const std::string& file, int line, const std::string& reason);
};

// The tokens of text, ended by an End token. Throws ScriptError for a
// character that no token can begin with, an unterminated string or comment,
// a backslash in a string, or a number that does not fit 32 bits.
std::vector<Token> Tokenize(const std::string& file, const std::string& text, int firstLine = 1);

#endif
