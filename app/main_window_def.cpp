#include "app/main_window.h"

namespace picmove {

namespace {

constexpr ControlKind kLabel = ControlKind::kLabel;
constexpr ControlKind kTransparentLabel = ControlKind::kTransparentLabel;
constexpr ControlKind kDrawingArea = ControlKind::kDrawingArea;
constexpr ControlKind kLine = ControlKind::kLine;
constexpr ControlKind kPictureBox = ControlKind::kPictureBox;
constexpr ControlKind kButton = ControlKind::kButton;
constexpr ControlKind kEdit = ControlKind::kEdit;
constexpr ControlKind kMultiLineEdit = ControlKind::kMultiLineEdit;
constexpr ControlKind kListView = ControlKind::kListView;
constexpr ControlKind kTab = ControlKind::kTab;
constexpr ControlKind kPageControl = ControlKind::kPageControl;
constexpr ControlKind kSlider = ControlKind::kSlider;
constexpr ControlKind kWebBrowser = ControlKind::kWebBrowser;

const char kIntroduction[] =
    "欢迎使用岚舟淘宝图片搬家工具！\r\n\r\n"
    "从别人的图片空间引用的描述图片，常常让宝贝发布不成功。本工具读取您从店铺导出的淘宝数据包（CSV文件），"
    "列出宝贝描述里引用的全部图片地址，把每张图片下载到数据包旁边的文件夹里，"
    "再把描述中的网络地址改成本地图片，保存数据包。重新上传时，描述图片就不再依赖别人的空间。\r\n\r\n"
    "三步完成：选择数据包，添加到列表，开始处理。处理之前，请先把数据包备份一份。\r\n\r\n"
    "使用本工具即表示您接受“使用帮助”页中的使用条款。";

const char kStepTwo[] =
    "第二步：点“添加到列表”。列出数据包里引用的描述图片地址。如有图片地址不需要处理的，可以按住Ctrl单选或多选，"
    "然后点“排除选中地址”，排除的图片地址将不纳入搬家处理。";

const char kStepThree[] = "第三步：点“开始处理”，等待工具下载图片，替换地址，完成后会弹出处理完毕的窗口。";

}  // namespace

const std::vector<ControlDef>& MainWindowControls() {
  static const std::vector<ControlDef> defs = {
      {"透明标签3", kTransparentLabel, "", -1, 0, 0, 736, 64, "", kNoFlags},
      {"画板3", kDrawingArea, "", -1, 0, 64, 755, 2, "", kNoFlags},
      {"透明标签1", kTransparentLabel, "", -1, 16, 80, 416, 24, "", kNoFlags},
      {"高级选择夹1", kPageControl, "", -1, -3, 107, 702, 469, "开始|采集|配置|帮助", kNoFlags},
      // page 0 "开始"
      {"编辑框7", kMultiLineEdit, "高级选择夹1", 0, 18, 21, 288, 280, kIntroduction, kReadOnly | kVerticalScroll},
      {"超文本浏览框1", kWebBrowser, "高级选择夹1", 0, 312, 21, 374, 280, "", kNoFlags},
      {"外形框1", kLine, "高级选择夹1", 0, 15, 384, 672, 2, "", kNoFlags},
      {"按钮2", kButton, "高级选择夹1", 0, 524, 406, 96, 32, "使用说明", kNoFlags},
      // page 1 "采集"
      {"标签2", kLabel, "高级选择夹1", 1, 16, 42, 555, 24, kStepTwo, kNoFlags},
      {"画板1", kDrawingArea, "高级选择夹1", 1, 7, 0, 116, 30, "", kNoFlags},
      {"透明标签5", kTransparentLabel, "画板1", -1, 14, 2, 85, 24, "待处理数据包：", kNoFlags},
      {"编辑框3", kEdit, "高级选择夹1", 1, 122, 0, 449, 30, "", kNoFlags},
      {"添加到列表2", kButton, "高级选择夹1", 1, 578, 0, 76, 30, "选择", kNoFlags},
      {"添加到列表", kButton, "高级选择夹1", 1, 577, 35, 76, 30, "添加到列表", kNoFlags},
      {"图片框1", kPictureBox, "高级选择夹1", 1, 7, 73, 687, 248, "", kNoFlags},
      {"超级列表框1", kListView, "图片框1", -1, -1, -1, 564, 248, "待处理图片地址|500", kMultiSelect},
      {"透明标签2", kTransparentLabel, "图片框1", -1, 580, -2, 44, 24, "图片数：", kNoFlags},
      {"透明标签4", kTransparentLabel, "图片框1", -1, 633, -2, 44, 24, "0", kNoFlags},
      {"按钮6", kButton, "图片框1", -1, 579, 20, 91, 24, "排除选中地址", kNoFlags},
      {"pms", kButton, "图片框1", -1, 571, 39, 16, 48, "", kHidden},
      {"画板4", kDrawingArea, "图片框1", -1, 562, 57, 128, 2, "", kNoFlags},
      {"标签1", kLabel, "图片框1", -1, 571, 67, 104, 64, kStepThree, kNoFlags},
      {"开始", kButton, "图片框1", -1, 579, 139, 91, 30, "开始处理", kNoFlags},
      {"暂停按钮", kButton, "图片框1", -1, 579, 175, 91, 30, "暂停", kNoFlags},
      {"停止按钮", kButton, "图片框1", -1, 579, 211, 91, 30, "停止", kNoFlags},
      {"选择夹1", kTab, "高级选择夹1", 1, 7, 326, 688, 136, "操作记录", kNoFlags},
      {"编辑框2", kMultiLineEdit, "选择夹1", -1, 1, 23, 686, 111, "", kReadOnly | kVerticalScroll},
      // page 2 "配置"
      {"选择夹2", kTab, "高级选择夹1", 2, 7, 5, 687, 457, "设置", kNoFlags},
      // page 3 "帮助"
      {"超文本浏览框2", kWebBrowser, "高级选择夹1", 3, 1, 28, 700, 361, "", kNoFlags},
      // outside the client area: the skin's tint sliders
      {"滑块条1", kSlider, "", -1, 760, 88, 125, 20, "", kNoFlags},
      {"滑块条2", kSlider, "", -1, 760, 113, 125, 20, "", kNoFlags},
      {"滑块条3", kSlider, "", -1, 760, 137, 125, 20, "", kNoFlags},
  };
  return defs;
}

}  // namespace picmove
