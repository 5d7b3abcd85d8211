// Constant expressions of a resource script: numbers and defined names
// combined with "|", unary "-" and parentheses, as styles and identifiers
// are written. A name's value is read from its #define, which may itself use
// names. A name may also stand for a text.
#ifndef OMBRIX_PLATFORM_RCGEN_SCRIPT_EXPRESSION_H
#define OMBRIX_PLATFORM_RCGEN_SCRIPT_EXPRESSION_H

#include <cstdint>
#include <string>
#include <vector>

#include "platform/rcgen/header_defines.h"
#include "platform/rcgen/script_tokens.h"

// A position in a token list of one file.
struct TokenCursor {
  const std::vector<Token>& tokens;
  const std::string& file;
  size_t pos;

  const Token& Peek() const { return tokens[pos]; }
  const Token& Take() { return tokens[pos < tokens.size() - 1 ? pos++ : pos]; }
  bool AtPunct(char c) const { return Peek().kind == TokenKind::Punct && Peek().text[0] == c; }
};

// Reads one expression at the cursor. Throws ScriptError naming the file and
// line of the offending token, which may lie in a header.
int64_t ReadExpression(TokenCursor& cursor, const Defines& defines);

// The text of a name defined as one string in quotes (#define VERSION "1.0");
// false for any other name.
bool DefinedText(const Defines& defines, const std::string& name, std::string* text);

#endif
