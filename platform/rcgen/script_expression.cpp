#include "platform/rcgen/script_expression.h"

namespace {

// Deep enough for any real header; a name that refers to itself ends here.
constexpr int kMaxNesting = 32;

int64_t Expression(TokenCursor& cursor, const Defines& defines, int depth);

int64_t ValueOfName(const Token& name, const std::string& file, const Defines& defines, int depth) {
  auto found = defines.find(name.text);
  if (found == defines.end())
    throw ScriptError(file, name.line, "'" + name.text + "' is not defined");
  const Define& define = found->second;
  if (depth >= kMaxNesting) {
    throw ScriptError(define.file, define.line, "'" + name.text + "' is defined through itself");
  }
  std::vector<Token> tokens = Tokenize(define.file, define.value, define.line);
  TokenCursor inner{tokens, define.file, 0};
  if (inner.Peek().kind == TokenKind::End) {
    throw ScriptError(file, name.line, "'" + name.text + "' has no value");
  }
  int64_t value = Expression(inner, defines, depth + 1);
  if (inner.Peek().kind != TokenKind::End) {
    throw ScriptError(define.file, define.line,
                      "the value of '" + name.text + "' is not a constant expression");
  }
  return value;
}

int64_t Term(TokenCursor& cursor, const Defines& defines, int depth) {
  const Token& token = cursor.Take();
  if (token.kind == TokenKind::Number) return token.number;
  if (token.kind == TokenKind::Name) return ValueOfName(token, cursor.file, defines, depth);
  if (token.kind == TokenKind::Punct && token.text == "-") {
    return -Term(cursor, defines, depth);
  }
  if (token.kind == TokenKind::Punct && token.text == "(") {
    int64_t value = Expression(cursor, defines, depth);
    if (!cursor.AtPunct(')')) throw ScriptError(cursor.file, cursor.Peek().line, "missing ')'");
    cursor.Take();
    return value;
  }
  std::string shown = token.kind == TokenKind::End ? "the end of the file" : "'" + token.text + "'";
  throw ScriptError(cursor.file, token.line, "expected a number or a name, found " + shown);
}

int64_t Expression(TokenCursor& cursor, const Defines& defines, int depth) {
  int64_t value = Term(cursor, defines, depth);
  while (cursor.AtPunct('|')) {
    cursor.Take();
    value |= Term(cursor, defines, depth);
  }
  return value;
}

}  // namespace

int64_t ReadExpression(TokenCursor& cursor, const Defines& defines) {
  return Expression(cursor, defines, 0);
}

bool DefinedText(const Defines& defines, const std::string& name, std::string* text) {
  auto found = defines.find(name);
  if (found == defines.end()) return false;
  const Define& define = found->second;
  std::vector<Token> tokens = Tokenize(define.file, define.value, define.line);
  if (tokens.size() != 2 || tokens[0].kind != TokenKind::String) return false;
  *text = tokens[0].text;
  return true;
}
