#include "cli/cli.h"

#include <string>
#include <vector>

#include "common/file_io.h"
#include "common/text_codec.h"
#include "intake/address_list.h"
#include "intake/intake.h"
#include "intake/patterns.h"

namespace picmove {

namespace {

const char kUsage[] =
    "usage: picmove list PACKAGE [--patterns FILE]\n"
    "\n"
    "  list      print the description-image addresses of a data package,\n"
    "            one a line, without duplicates\n"
    "\n"
    "  --patterns FILE   use the patterns in FILE (one regular expression a\n"
    "                    line, group 1 the address after \"http://\")\n";

// Terminal text: UTF-8 with LF line ends.
std::string ForTerminal(const Text& text) {
  std::string utf8 = AnsiToUtf8(text);
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
    out += utf8[i];
  }
  return out;
}

class PathBox : public TextBoxView {
 public:
  explicit PathBox(Text path) : text_(std::move(path)) {}
  Text GetText() const override { return text_; }
  void SetText(const Text& text) override { text_ = text; }

 private:
  Text text_;
};

class NullLabel : public LabelView {
 public:
  void SetCaption(const Text&) override {}
};

// Held back until the intake is over, so that an unreadable package gives
// its one-line message alone.
class BufferedLog : public ProgressLogView {
 public:
  void Append(const Text& text) override { text_ += text; }
  const Text& text() const { return text_; }

 private:
  Text text_;
};

struct ListArgs {
  std::string package;
  std::string patternFile;
  bool havePatternFile = false;
};

int Usage(std::ostream& err, const std::string& problem) {
  if (!problem.empty()) err << "picmove: " << problem << "\n";
  err << kUsage;
  return kCliUsage;
}

bool ParseListArgs(const std::vector<std::string>& args, ListArgs* out, std::string* problem) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--patterns") {
      if (i + 1 >= args.size()) {
        *problem = "--patterns needs a file";
        return false;
      }
      out->patternFile = args[++i];
      out->havePatternFile = true;
    } else if (a.compare(0, 11, "--patterns=") == 0) {
      out->patternFile = a.substr(11);
      out->havePatternFile = true;
    } else if (a.size() > 1 && a[0] == '-') {
      *problem = "unknown option " + a;
      return false;
    } else if (out->package.empty()) {
      out->package = a;
    } else {
      *problem = "more than one package: " + a;
      return false;
    }
  }
  if (out->package.empty()) {
    *problem = "no package given";
    return false;
  }
  return true;
}

int RunList(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ListArgs list;
  std::string problem;
  if (!ParseListArgs(args, &list, &problem)) return Usage(err, problem);

  PatternList patterns = DefaultPatternList();
  if (list.havePatternFile) {
    ByteSet content;
    Text why;
    if (!ReadWholeFile(Utf8ToAnsi(list.patternFile), &content, &why)) {
      err << "picmove: cannot read pattern file " << list.patternFile << ": " << ForTerminal(why) << "\n";
      return kCliUsage;
    }
    patterns = ParsePatternFile(content);
    if (patterns.empty()) {
      err << "picmove: no patterns in " << list.patternFile << "\n";
      return kCliUsage;
    }
  }

  PathBox pathBox(Utf8ToAnsi(list.package));
  MemoryAddressList rows;
  NullLabel count;
  BufferedLog log;
  Package package;
  IntakeResult result = AddToList({&pathBox, &rows, &count, &log, nullptr}, patterns, package);
  if (!result.started || !result.readOk) {
    Text why = result.started ? result.readError : Text("the name is blank");
    err << "picmove: cannot read package " << list.package << ": " << ForTerminal(why) << "\n";
    return kCliPackageError;
  }
  err << ForTerminal(log.text());
  for (const Text& address : rows.Texts()) out << ForTerminal(address) << "\n";
  out.flush();
  return kCliOk;
}

}  // namespace

int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage(err, "no command given");
  const std::string command = args.front();
  args.erase(args.begin());
  if (command == "-h" || command == "--help" || command == "help") {
    out << kUsage;
    return kCliOk;
  }
  if (command == "list") return RunList(args, out, err);
  return Usage(err, "unknown command " + command);
}

}  // namespace picmove
