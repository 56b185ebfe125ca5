#include "intake/intake.h"

#include <string>

#include "common/file_io.h"
#include "intake/address_list.h"
#include "intake/decode.h"
#include "intake/extract.h"

namespace picmove {

IntakeResult AddToList(const IntakeViews& views, const PatternList& patterns, Package& package) {
  IntakeResult result;
  if (TrimBlanks(views.pathBox->GetText()).empty()) return result;
  result.started = true;

  views.list->DeleteAllRows();
  AppendLogLine(*views.log, "  开始提取图片地址……");

  ByteSet content;
  result.readOk = ReadWholeFile(views.pathBox->GetText(), &content, &result.readError);
  DecodedPackage decoded = DecodePackage(content);
  content = ByteSet();  // a large package should not sit in memory twice
  package.text = std::move(decoded.text);
  package.encoding = decoded.encoding;

  ExtractAddresses(package.text, patterns, *views.list, views.pump);
  RemoveDuplicateRows(*views.list);

  result.count = views.list->RowCount();
  const Text n = std::to_string(result.count);
  AppendLogLine(*views.log, "  读取成功，成功提取了：  " + n + "  张不重复图片");
  views.countLabel->SetCaption(n);
  if (views.pump) views.pump->ProcessPendingEvents();
  return result;
}

}  // namespace picmove
