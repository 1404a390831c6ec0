#pragma once

#include <cstdint>
#include <string>

#include "platform/text_sink.h"
#include "report/report_records.h"

namespace Report {

// What a report depends on besides the records: the moment of writing as the
// general date-and-time text, and the ID display setting (`giIDView`).
struct ReportInputs {
  std::string generatedOn;
  std::int16_t idView = 0;
};

// Writes every line of the report, in order, each ending in CR LF and handed
// to the sink in one write. A failure (the sink refuses, or a distinct module
// points at no module record) stops the writing there and passes on; the
// lines written before it stay written.
void WriteReport(const SnapshotRecords& records, const ReportInputs& inputs,
                 platform::TextSink& sink);

}  // namespace Report
