// The report parser over any text: it never crashes, names a line within the
// text when it cannot read one, and what it reads is a fixed point: written
// again and read again, the records give the same report.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/text_sink.h"
#include "report/report_parser.h"
#include "report/report_writer.h"

namespace {

std::string Written(const Report::ParsedReport& report) {
  platform::StringSink out;
  Report::WriteReport(report.Records(), {report.generatedOn, report.idView}, out);
  return out.text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  const Report::ParsedReport parsed = Report::ParseReport(text);
  const auto lines = static_cast<std::int32_t>(std::count(text.begin(), text.end(), '\n'));
  if (parsed.errorLine < 0 || parsed.errorLine > lines + 1 || parsed.linesRead > lines) {
    std::abort();
  }
  if (parsed.errorLine != 0 || !parsed.complete) {
    return 0;
  }
  const std::string once = Written(parsed);
  const Report::ParsedReport again = Report::ParseReport(once);
  if (again.errorLine != 0 || !again.complete || Written(again) != once) {
    std::abort();
  }
  return 0;
}
