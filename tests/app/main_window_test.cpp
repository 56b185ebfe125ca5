#include "app/main_window.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "app/control_views.h"
#include "app/dialogs.h"
#include "app/exit_confirmation.h"
#include "app/process_exit.h"
#include "app/program.h"
#include "app/tray_icon.h"
#include "common/file_io.h"
#include "tests/support/test_support.h"

namespace picmove {
namespace {

// One main window for the whole program, as in the real process: the tray
// icon is installed once (and under Wine each tray change costs seconds).
class MainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(SetUpProgram(GetModuleHandleW(nullptr)));
    SetMessageHook([](const Text& text, const Text& title, UINT) { startUpMessages.push_back(title + ":" + text); });
    shared = new MainWindow;
    ASSERT_TRUE(shared->Create(GetModuleHandleW(nullptr)));
    SetMessageHook(nullptr);
  }
  static void TearDownTestSuite() {
    delete shared;
    shared = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(shared, nullptr);
    ShowWindow(window.hwnd(), SW_SHOWNORMAL);
    SetMessageHook([this](const Text& text, const Text& title, UINT) { messages.push_back(title + ":" + text); });
  }
  void TearDown() override {
    SetMessageHook(nullptr);
    SetFileDialogHook(nullptr);
    SetExitConfirmationHook(nullptr);
    SetEndProcessHook(nullptr);
    SetPopUpMenuHook(nullptr);
    SetShellOpenHook(nullptr);
  }

  // Clicks a button by its name, through the window's own command handling.
  void Click(const Text& name) {
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(window.controls().IdOf(name), BN_CLICKED),
                 reinterpret_cast<LPARAM>(window.Control(name)));
  }
  Text TextOf(const Text& name) { return WindowText(window.Control(name)); }
  std::vector<Text> Rows() {
    ListViewAddressList list(window.Control("超级列表框1"));
    std::vector<Text> out;
    for (std::size_t i = 0; i < list.RowCount(); ++i) out.push_back(list.RowText(i));
    return out;
  }
  void Choose(const Text& path) {
    SetFileDialogHook([path](const FileDialogSettings& s, Text* out) {
      EXPECT_EQ(s.title, "选择淘宝数据包CSV文件");
      EXPECT_EQ(s.filter, "淘宝数据包CSV文件(*.csv)|*.csv");
      *out = path;
      return true;
    });
    Click("添加到列表2");
  }

  // The next popup menu is answered with the entry captioned `pick` (none
  // when no entry has that caption); what it offered and where are kept.
  void AnswerMenu(const Text& pick) {
    SetPopUpMenuHook([this, pick](const std::vector<MenuEntry>& entries, POINT at) -> UINT {
      menuEntries.clear();
      menuAt = at;
      UINT chosen = 0;
      for (const MenuEntry& e : entries) {
        menuEntries.push_back(e.text);
        if (e.text == pick) chosen = e.command;
      }
      return chosen;
    });
  }
  // What the list view tells its parent on a right click.
  void RightClickList() {
    HWND list = window.Control("超级列表框1");
    NMHDR hdr{list, static_cast<UINT_PTR>(GetDlgCtrlID(list)), static_cast<UINT>(NM_RCLICK)};
    SendMessageW(GetParent(list), WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
  }
  void FillList(int rows) {
    ListViewAddressList list(window.Control("超级列表框1"));
    list.DeleteAllRows();
    for (int i = 1; i <= rows; ++i) list.AppendRow("a.cn/" + std::to_string(i) + ".jpg");
  }
  Text ClipboardText() {
    Text out;
    if (!OpenClipboard(window.hwnd())) return "(clipboard not opened)";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
      out = static_cast<const char*>(GlobalLock(data));
      GlobalUnlock(data);
    }
    CloseClipboard();
    return out;
  }

  static MainWindow* shared;
  static std::vector<Text> startUpMessages;
  MainWindow& window = *shared;
  std::vector<Text> messages;
  std::vector<Text> menuEntries;
  POINT menuAt{};
};

MainWindow* MainWindowTest::shared = nullptr;
std::vector<Text> MainWindowTest::startUpMessages;

TEST_F(MainWindowTest, StartUpLeavesTheStartPageShown) {
  RECT r;
  GetWindowRect(window.hwnd(), &r);
  EXPECT_EQ(r.right - r.left, 703);
  EXPECT_EQ(r.bottom - r.top, 625);
  GetWindowRect(window.Control("高级选择夹1"), &r);
  EXPECT_EQ(r.bottom - r.top, 466);
  GetWindowRect(window.Control("超文本浏览框2"), &r);
  EXPECT_EQ(r.bottom - r.top, 440);
  EXPECT_EQ(TextOf("透明标签1"), "");
  EXPECT_NE(GetWindowLongW(window.controls().Page("高级选择夹1", 0), GWL_STYLE) & WS_VISIBLE, 0);
  EXPECT_EQ(FindWindowW(L"PicmoveSplash", nullptr), nullptr);  // the splash is gone
  const LONG style = GetWindowLongW(window.hwnd(), GWL_STYLE);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
  // A browser that cannot be made (Wine without its HTML engine) leaves its
  // area empty and says nothing; one that is made fills its area.
  EXPECT_TRUE(startUpMessages.empty());
  for (auto [name, browser] : {std::pair{"超文本浏览框1", &window.newsBrowser()},
                               std::pair{"超文本浏览框2", &window.helpBrowser()}}) {
    HWND area = window.Control(name);
    HWND inner = GetWindow(area, GW_CHILD);
    if (!browser->created()) {
      EXPECT_EQ(inner, nullptr) << name;
      continue;
    }
    ASSERT_NE(inner, nullptr) << name;
    RECT a, b;
    GetClientRect(area, &a);
    GetWindowRect(inner, &b);
    EXPECT_EQ(b.right - b.left, a.right) << name;
    EXPECT_EQ(b.bottom - b.top, a.bottom) << name;
  }
}

TEST_F(MainWindowTest, ThePagesShipWithTheProgramAndTheButtonOpensTheInstructions) {
  for (const char* page : {"help.html", "news.html", "instructions.html"}) {
    EXPECT_TRUE(PathExists(ProgramFolder() + "pages\\" + page)) << page;
  }
  EXPECT_EQ(PageAddress("help.html"), "file:///" + ProgramFolder() + "pages\\help.html");
  std::vector<Text> opened;
  SetShellOpenHook([&opened](const Text& address) { opened.push_back(address); });
  Click("按钮2");
  EXPECT_EQ(opened, std::vector<Text>{PageAddress("instructions.html")});
}

TEST_F(MainWindowTest, StartUpEndsWithAMessageWithoutPatterns) {
  const Text options = ProgramFolder() + "options";
  test::MakeTestFolder(options);
  test::WriteTestFile(options + kPathSeparator + "patterns.txt", std::string("\r\n"));
  std::vector<UINT> exits;
  SetEndProcessHook([&exits](UINT code) { exits.push_back(code); });
  MainWindow second;
  EXPECT_FALSE(second.Create(GetModuleHandleW(nullptr)));
  DeleteFileW(Wide(options + kPathSeparator + "patterns.txt").c_str());
  EXPECT_EQ(exits, std::vector<UINT>{0});
  EXPECT_EQ(messages, std::vector<Text>{"提示:预定信息 加载失败，请重新启动--"});
}

TEST_F(MainWindowTest, AddsTheSamplesAddressesToTheList) {
  const Text sample = test::SourcePath("samples/sample-listings.csv");
  Choose(sample);
  EXPECT_EQ(TextOf("编辑框3"), sample);
  Click("添加到列表");

  ByteSet expected;
  ASSERT_TRUE(ReadWholeFile(test::SourcePath("samples/sample-listings.addresses.txt"), &expected, nullptr));
  Text joined;
  for (const Text& row : Rows()) joined += row + "\n";
  EXPECT_EQ(joined, Text(expected.begin(), expected.end()));
  EXPECT_EQ(TextOf("透明标签4"), std::to_string(Rows().size()));
  const Text log = TextOf("编辑框2");
  EXPECT_NE(log.find("  开始提取图片地址……\r\n"), Text::npos) << log;
  EXPECT_NE(log.find("  读取成功，成功提取了：  " + std::to_string(Rows().size()) + "  张不重复图片\r\n"), Text::npos);
  EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, ChoosingDerivesThePathsOrRefusesTheName) {
  ListViewAddressList(window.Control("超级列表框1")).AppendRow("old.cn/1.jpg");
  Choose("C:\\data\\pkg");
  EXPECT_EQ(TextOf("编辑框3"), "C:\\data\\pkg.csv");
  EXPECT_EQ(window.package().folder, "C:\\data\\");
  EXPECT_EQ(window.package().baseName, "pkg");
  EXPECT_TRUE(Rows().empty());
  EXPECT_EQ(TextOf("透明标签4"), "0");

  Choose("C:\\my.data\\pkg");
  EXPECT_EQ(messages, std::vector<Text>{"提示:请检查文件名是否正确！"});
  EXPECT_EQ(TextOf("编辑框3"), "");
  EXPECT_EQ(window.package().folder, "C:\\my.data\\");
  EXPECT_EQ(window.package().baseName, "");

  // A cancelled dialog changes nothing.
  SetFileDialogHook([](const FileDialogSettings&, Text*) { return false; });
  SetWindowTextGbk(window.Control("编辑框3"), "kept");
  Click("添加到列表2");
  EXPECT_EQ(TextOf("编辑框3"), "kept");
}

// The log lines an action added.
Text LogAddedBy(HWND log, const std::function<void()>& action) {
  const std::size_t before = WindowText(log).size();
  action();
  return WindowText(log).substr(before);
}

std::size_t LineCount(const Text& text) {
  std::size_t n = 0;
  for (std::size_t at = text.find("\r\n"); at != Text::npos; at = text.find("\r\n", at + 2)) ++n;
  return n;
}

TEST_F(MainWindowTest, BadPackagesGiveAnEmptyListAndNoMessage) {
  test::TempDir dir;
  const Text empty = dir.path() + "empty.csv";
  test::WriteTestFile(empty, std::string());
  const Text picture = dir.path() + "picture.csv";
  static const char kPicture[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0\0\0\x01\0\x08\x06";
  const std::string pictureBytes(kPicture, sizeof kPicture - 1);
  test::WriteTestFile(picture, pictureBytes);
  struct Case {
    const char* what;
    Text path;
    bool runs;
  } cases[] = {
      {"blank", "", false},
      {"half- and full-width blanks", "  　 　", false},
      {"missing", dir.path() + "none.csv", true},
      {"empty", empty, true},
      {"a picture, not a package", picture, true},
  };
  for (const Case& c : cases) {
    FillList(3);
    SetWindowTextGbk(window.Control("透明标签4"), "3");
    SetWindowTextGbk(window.Control("编辑框3"), c.path);
    const Text added = LogAddedBy(window.Control("编辑框2"), [&] { Click("添加到列表"); });
    if (!c.runs) {
      EXPECT_EQ(Rows().size(), 3u) << c.what;
      EXPECT_EQ(TextOf("透明标签4"), "3") << c.what;
      EXPECT_EQ(added, "") << c.what;
      continue;
    }
    EXPECT_TRUE(Rows().empty()) << c.what;
    EXPECT_EQ(TextOf("透明标签4"), "0") << c.what;
    EXPECT_EQ(LineCount(added), 2u) << c.what;
    EXPECT_NE(added.find("  读取成功，成功提取了：  0  张不重复图片\r\n"), Text::npos) << c.what;
  }
  EXPECT_TRUE(messages.empty());
  ByteSet after;
  ASSERT_TRUE(ReadWholeFile(picture, &after, nullptr));
  EXPECT_EQ(after, test::Bytes(pictureBytes));
}

TEST_F(MainWindowTest, AFolderWhoseNameHasA5CTrailByteIsKeptWhole) {
  // 乗 is 81 5C in GBK: its second byte is a backslash's.
  test::TempDir dir;
  const Text folder = dir.path() + "货乗";
  test::MakeTestFolder(folder);
  ByteSet sample;
  ASSERT_TRUE(ReadWholeFile(test::SourcePath("samples/sample-listings.csv"), &sample, nullptr));
  test::WriteTestFile(folder + "\\乗.csv", sample);
  Choose(folder + "\\乗.csv");
  EXPECT_EQ(window.package().folder, folder + "\\");
  EXPECT_EQ(window.package().baseName, "乗");
  Click("添加到列表");
  EXPECT_EQ(Rows().size(), 8u);
  EXPECT_TRUE(messages.empty());
}

// A timer that ticks while the list is still filling shows that the window
// is served meanwhile, not only once the intake is over.
int ticksWhileFilling = 0;
MainWindow* tickWindow = nullptr;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) {
  // The count is set only once the list is complete.
  const LRESULT rows = SendMessageW(tickWindow->Control("超级列表框1"), LVM_GETITEMCOUNT, 0, 0);
  if (rows == 0 || WindowText(tickWindow->Control("透明标签4")) != "0") return;
  // A second click on either intake button meanwhile is ignored.
  if (ticksWhileFilling++ == 0) {
    for (const char* name : {"添加到列表", "添加到列表2"}) {
      HWND button = tickWindow->Control(name);
      SendMessageW(tickWindow->hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
    }
  }
}

TEST_F(MainWindowTest, ALargePackageFillsTheListWhileTheWindowIsServed) {
  // About 50 MB of UTF-16LE, as a shop exports it: 2000 listings, each with
  // ten images written twice in a long description.
  std::u16string text = u"title\tdescription\r\n";
  const std::u16string filler(12000, u'宝');
  for (int listing = 0; listing < 2000; ++listing) {
    text += u"item\t\"";
    for (int copy = 0; copy < 2; ++copy) {
      for (int image = 0; image < 10; ++image) {
        const std::string address = "img.cn/" + std::to_string(listing) + "/" + std::to_string(image) + ".jpg";
        text += u"<img src=\"\"http://" + std::u16string(address.begin(), address.end()) + u"\"\">";
      }
    }
    text += filler + u"\"\r\n";
  }
  std::string bytes = "\xFF\xFE";
  for (char16_t u : text) {
    bytes.push_back(static_cast<char>(u & 0xFF));
    bytes.push_back(static_cast<char>(u >> 8));
  }
  ASSERT_GT(bytes.size(), 48u << 20);
  test::TempDir dir;
  const Text package = dir.path() + "big.csv";
  test::WriteTestFile(package, bytes);
  bytes = std::string();
  Choose(package);

  ticksWhileFilling = 0;
  tickWindow = &window;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, &CountTick);
  const Text added = LogAddedBy(window.Control("编辑框2"), [&] { Click("添加到列表"); });
  KillTimer(nullptr, timer);
  EXPECT_GT(ticksWhileFilling, 0);
  EXPECT_EQ(Rows().size(), 20000u);
  EXPECT_EQ(Rows()[19999], "img.cn/1999/9.jpg");
  EXPECT_EQ(TextOf("透明标签4"), "20000");
  EXPECT_EQ(LineCount(added), 2u);  // one intake only
  EXPECT_EQ(TextOf("编辑框3"), package);
  EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, NavigateToShowsThePageWithItsHint) {
  struct Case {
    int item;
    int page;
    const char* hint;
  } cases[] = {
      {2, 1, "第一步：选择待处理的数据包CSV文件。（选择之前，请将数据包备份一份！）"},
      {1, 0, ""}, {2, 1, nullptr}, {3, 2, ""}, {4, 3, ""}, {0, 3, ""}, {6, 3, ""},
  };
  for (const Case& c : cases) {
    window.NavigateTo(c.item);
    if (c.hint) {
      EXPECT_EQ(TextOf("透明标签1"), c.hint) << c.item;
    }
    // The window itself is not shown here: look at each page's own style.
    for (int page = 0; page < 4; ++page) {
      LONG style = GetWindowLongW(window.controls().Page("高级选择夹1", page), GWL_STYLE);
      EXPECT_EQ((style & WS_VISIBLE) != 0, page == c.page) << c.item;
    }
  }
}

TEST_F(MainWindowTest, ExcludesTheSelectedRows) {
  FillList(10);
  ListViewAddressList list(window.Control("超级列表框1"));
  for (std::size_t row : {6u, 1u, 4u}) list.SelectRow(row, true);
  Click("按钮6");
  EXPECT_EQ(Rows(), (std::vector<Text>{"a.cn/1.jpg", "a.cn/3.jpg", "a.cn/4.jpg", "a.cn/6.jpg", "a.cn/8.jpg",
                                       "a.cn/9.jpg", "a.cn/10.jpg"}));
  EXPECT_EQ(TextOf("透明标签4"), "7");
}

TEST_F(MainWindowTest, TheListMenuOpensCopiesAndDeletesTheSelection) {
  FillList(4);
  ListViewAddressList list(window.Control("超级列表框1"));
  for (std::size_t row : {2u, 1u}) list.SelectRow(row, true);
  SetCursorPos(200, 300);
  std::vector<Text> opened;
  SetShellOpenHook([&opened](const Text& address) { opened.push_back(address); });

  // Open and copy act on the first selected row.
  AnswerMenu("复制图片地址");
  RightClickList();
  EXPECT_EQ(menuEntries, (std::vector<Text>{"用IE打开地图地址", "", "复制图片地址", "删除选中地址", ""}));
  EXPECT_EQ(menuAt.x, 203);
  EXPECT_EQ(menuAt.y, 303);
  EXPECT_EQ(ClipboardText(), "http://a.cn/2.jpg");
  AnswerMenu("用IE打开地图地址");
  RightClickList();
  EXPECT_EQ(opened, std::vector<Text>{"http://a.cn/2.jpg"});

  AnswerMenu("");  // dismissed: nothing happens
  RightClickList();
  EXPECT_EQ(Rows().size(), 4u);
  AnswerMenu("删除选中地址");
  RightClickList();
  EXPECT_EQ(Rows(), (std::vector<Text>{"a.cn/1.jpg", "a.cn/4.jpg"}));
  EXPECT_EQ(TextOf("透明标签4"), "2");
}

TEST_F(MainWindowTest, TrayIconCarriesTheWindowAndItsCaption) {
  const NOTIFYICONDATAA& r = TrayIcon::Instance().record();
  EXPECT_TRUE(TrayIcon::Instance().installed());
  // The Shell32 5.0 form: 488 bytes in the program's 32-bit build.
  EXPECT_EQ(r.cbSize, sizeof(void*) == 4 ? 488u : 504u);
  EXPECT_EQ(r.hWnd, window.hwnd());
  EXPECT_EQ(r.uID, 1u);
  EXPECT_EQ(r.uFlags, 7u);
  EXPECT_EQ(r.uCallbackMessage, 123456u);
  EXPECT_STREQ(r.szTip, "岚舟淘宝图片搬家工具 V3.0.0");
  EXPECT_EQ(WindowText(window.hwnd()), "岚舟淘宝图片搬家工具 V3.0.0");
}

TEST_F(MainWindowTest, ClosingHidesAndTheTrayDoubleClickShows) {
  ASSERT_TRUE(IsWindowVisible(window.hwnd()));
  struct Close {
    const char* how;
    UINT msg;
    WPARAM wp;
  } closes[] = {
      {"close button", WM_CLOSE, 0},
      {"system menu", WM_SYSCOMMAND, SC_CLOSE},
      {"Esc", WM_COMMAND, IDCANCEL},
  };
  for (const Close& c : closes) {
    SendMessageW(window.hwnd(), c.msg, c.wp, 0);
    EXPECT_FALSE(IsWindowVisible(window.hwnd())) << c.how;
    EXPECT_TRUE(IsWindow(window.hwnd())) << c.how;
    // A single click does nothing; a double-click brings the window back.
    SendMessageW(window.hwnd(), kTrayCallbackMessage, kTrayIconId, WM_LBUTTONUP);
    EXPECT_FALSE(IsWindowVisible(window.hwnd())) << c.how;
    SendMessageW(window.hwnd(), kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(window.hwnd())) << c.how;
  }
  ShowWindow(window.hwnd(), SW_MINIMIZE);
  SendMessageW(window.hwnd(), kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDBLCLK);
  EXPECT_FALSE(IsIconic(window.hwnd()));
}

// Opens the exit confirmation from `open` and presses `button` in it.
void AnswerExitConfirmation(const char* button, const std::function<void()>& open, std::vector<UINT>* exits,
                            Text* caption) {
  SetEndProcessHook([exits](UINT code) { exits->push_back(code); });
  SetExitConfirmationHook(
      [button, caption](HWND dialog) {
        *caption = WindowText(dialog);
        // The buttons are found by their captions, as a person would.
        HWND target = nullptr;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
          if (WindowText(child) == button) target = child;
        }
        ASSERT_NE(target, nullptr) << button;
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(target), BN_CLICKED), reinterpret_cast<LPARAM>(target));
        if (Text(button) == "确 定") PostMessageW(dialog, WM_CLOSE, 0, 0);  // the hook did not end the process
      });
  open();
}

TEST_F(MainWindowTest, ExitConfirmationEndsOnlyOnConfirm) {
  std::vector<UINT> exits;
  Text caption;
  window.NavigateTo(2);
  AnswerExitConfirmation("取 消", [&] { window.NavigateTo(5); }, &exits, &caption);
  EXPECT_EQ(caption, "退出程序？");
  EXPECT_TRUE(exits.empty());
  // Page and hint stay as they were.
  EXPECT_NE(GetWindowLongW(window.controls().Page("高级选择夹1", 1), GWL_STYLE) & WS_VISIBLE, 0);
  EXPECT_TRUE(IsWindowEnabled(window.hwnd()));

  // From the tray menu's one item, the same window, also while hidden.
  ShowWindow(window.hwnd(), SW_HIDE);
  SetCursorPos(500, 400);
  AnswerMenu("退出程序");
  AnswerExitConfirmation(
      "确 定", [&] { SendMessageW(window.hwnd(), kTrayCallbackMessage, kTrayIconId, WM_RBUTTONDOWN); }, &exits,
      &caption);
  EXPECT_EQ(menuEntries, std::vector<Text>{"退出程序"});
  EXPECT_EQ(menuAt.x, 503);
  EXPECT_EQ(menuAt.y, 403);
  EXPECT_EQ(exits, std::vector<UINT>{0});
}

}  // namespace
}  // namespace picmove
