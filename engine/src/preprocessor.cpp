// The preprocessor: splices {$I} files, evaluates {$DEFINE}/{$IFDEF}
// blocks. Text it drops, and each directive, becomes spaces so that
// positions in the rest of the text stay put.
#include "engine_limits.h"
#include "text.h"

#include <pscript/pscript.h>

#include <algorithm>
#include <memory>

namespace pscript {

namespace {

enum class PTok { Eof, Directive, Other };

// Splits text the way the reference engine's preprocessor does: strings,
// comments and runs of other text.
class PreLexer {
 public:
  explicit PreLexer(std::string_view t) : text_(t) {}

  PTok next(std::string_view& token) {
    start_ = pos_;
    if (pos_ >= text_.size()) return PTok::Eof;
    PTok kind = PTok::Other;
    char c = text_[pos_];
    if (c == '\'') scanString();
    else if (c == '(' && at(pos_ + 1) == '*') scanUntil("*)", pos_ + 2);
    else if (c == '/' && at(pos_ + 1) == '/') { while (pos_ < text_.size() && text_[pos_] != '\r' && text_[pos_] != '\n') ++pos_; }
    else if (c == '{') { kind = at(pos_ + 1) == '$' ? PTok::Directive : PTok::Other; scanUntil("}", pos_ + 1); }
    else if (c == '(' || c == '/') ++pos_;
    else { ++pos_; while (pos_ < text_.size() && std::string_view("{('/").find(text_[pos_]) == std::string_view::npos) ++pos_; }
    token = text_.substr(start_, pos_ - start_);
    countLines();
    return kind;
  }
  // Positions as the reference engine's preprocessor reports them: a line
  // break that starts a token is not counted, and a column is measured from
  // the character before the last counted break.
  int row() const { return row_; }
  int col() const { return static_cast<int>(start_ - lastEnter_) + 1; }

 private:
  char at(size_t i) const { return i < text_.size() ? text_[i] : '\0'; }
  void scanString() {
    ++pos_;
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (c == '\'') { ++pos_; if (at(pos_) == '\'') { ++pos_; continue; } return; }
      if (c == '\r' || c == '\n') return;
      ++pos_;
    }
  }
  void scanUntil(std::string_view end, size_t from) {
    size_t e = text_.find(end, from);
    pos_ = e == std::string_view::npos ? text_.size() : e + end.size();
  }
  void countLines() {
    for (size_t i = start_ + 1; i < pos_; ++i) {
      char c = text_[i];
      if (c == '\r' && at(i + 1) == '\n') ++i;
      else if (c != '\r' && c != '\n') continue;
      ++row_;
      lastEnter_ = i - 1;
    }
  }

  std::string_view text_;
  size_t pos_ = 0, start_ = 0, lastEnter_ = 0;
  int row_ = 1;
};

std::string at(int row, int col) { return " at " + std::to_string(row) + ":" + std::to_string(col); }

}  // namespace

struct PreProcessRun {
  PreProcessor& pp;
  std::vector<std::string> defines;
  struct State { bool write; bool inElse; };
  std::vector<State> states;
  std::string out;

  bool writing() const { return states.empty() || states.back().write; }
  bool writingBefore() const { return states.size() < 2 || states[states.size() - 2].write; }
  bool defined(const std::string& n) const { return std::find(defines.begin(), defines.end(), n) != defines.end(); }

  void file(size_t level, const std::string& calling, std::string name) {
    if (level > kMaxIncludeDepth)
      throw PreProcessorError("Too many nested include files while processing '" + name + "' from '" + calling + "'");
    std::string read;
    if (!pp.mainFileName.empty() && name == pp.mainFileName) read = pp.mainFile;
    else if (!pp.onNeedFile || !pp.onNeedFile(pp, calling, name, read))
      throw PreProcessorError("Unable to find file '" + name + "' used from '" + calling + "'");
    if (read.size() > kMaxSourceSize) throw PreProcessorError("Source too large");
    const auto text = std::make_shared<const std::string>(std::move(read));
    pp.spans_.push_back({out.size(), 0, name, 0, text});
    size_t spanIndex = pp.spans_.size() - 1;
    PreLexer lex(*text);
    std::string_view tok;
    for (PTok k; (k = lex.next(tok)) != PTok::Eof;) {
      if (k == PTok::Directive) directive(level, name, tok, lex, spanIndex);
      if (!writing() || k == PTok::Directive) out.append(tok.size(), ' ');
      else out.append(tok);
      if (out.size() > kMaxSourceSize) throw PreProcessorError("Source too large");
    }
    pp.spans_[spanIndex].end = out.size();
  }

  void directive(size_t level, const std::string& fileName, std::string_view tok, const PreLexer& lex, size_t spanIndex) {
    std::string s(tok.substr(2));
    if (!s.empty() && s.back() == '}') s.pop_back();
    while (!s.empty() && s.back() == ' ') s.pop_back();
    std::string name, arg;
    auto sp = s.find(' ');
    if (sp == std::string::npos) name = upperAscii(s);
    else { name = upperAscii(s.substr(0, sp)); arg = s.substr(sp + 1); }
    auto tooMany = [&] { throw PreProcessorError("Too many parameters" + at(lex.row(), lex.col())); };
    if (name == "I" || name == "INCLUDE") {
      if (writing()) {
        // The included text goes where the directive stands.
        pp.spans_[spanIndex].end = out.size();
        file(level + 1, fileName, arg);
        const std::shared_ptr<const std::string> text = pp.spans_[spanIndex].text;
        pp.spans_.push_back({out.size(), 0, fileName, static_cast<size_t>(tok.data() - text->data()), text});
      }
    } else if (name == "DEFINE" || name == "UNDEF") {
      if (!writing()) return;
      if (arg.find(' ') != std::string::npos) tooMany();
      std::string u = upperAscii(arg);
      if (name == "DEFINE") defines.push_back(u);
      else if (auto it = std::find(defines.begin(), defines.end(), u); it != defines.end()) defines.erase(it);
    } else if (name == "IFDEF" || name == "IFNDEF") {
      if (arg.find(' ') != std::string::npos) tooMany();
      bool d = defined(upperAscii(arg));
      states.push_back({(name == "IFDEF" ? d : !d) && writing(), false});
    } else if (name == "ENDIF") {
      if (states.empty()) throw PreProcessorError("No IFDEF for ENDIF" + at(lex.row(), lex.col()));
      states.pop_back();
    } else if (name == "ELSE") {
      if (!arg.empty()) tooMany();
      if (states.empty()) throw PreProcessorError("No IFDEF for ELSE" + at(lex.row(), lex.col()));
      if (states.back().inElse) throw PreProcessorError("Can't use ELSE twice" + at(lex.row(), lex.col()));
      states.back().inElse = true;
      states.back().write = !states.back().write && writingBefore();
    } else {
      throw PreProcessorError("Unknown compiler directives" + at(lex.row(), lex.col()));
    }
  }
};

std::string PreProcessor::preprocess(const std::string& fileName) {
  spans_.clear();
  PreProcessRun run{*this, {}, {}, {}};
  for (const auto& d : defines) run.defines.push_back(upperAscii(d));
  run.file(0, "", fileName);
  if (!run.states.empty()) throw PreProcessorError("Define not closed");
  return std::move(run.out);
}

void PreProcessor::adjustMessages(Compiler& compiler) const {
  for (Message& m : compiler.messages()) {
    // The innermost (latest) span holding the position names the file.
    for (auto it = spans_.rbegin(); it != spans_.rend(); ++it) {
      if (m.pos < it->start || m.pos >= it->end) continue;
      size_t src = it->fileOffset + (m.pos - it->start);
      int row = 1;
      size_t lineStart = 0;
      const std::string& text = *it->text;
      for (size_t i = 0; i < src && i < text.size(); ++i)
        if (text[i] == '\n') { ++row; lineStart = i + 1; }
      m.row = row;
      m.col = static_cast<int>(src - lineStart) + 1;
      if (it->file != spans_.front().file) m.module = it->file;
      break;
    }
  }
}

}  // namespace pscript
