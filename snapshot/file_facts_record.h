#pragma once

#include <string>

#include "platform/file_facts.h"
#include "snapshot/file_date_text.h"

// What setting ExePath does on a process or module record: the path, the
// date text, the length and the version, in that order. A failure leaves the
// members set before the failing step.
template <class Record>
void CollectFileFacts(Record& record, const std::string& psFile, platform::FileFacts& facts) {
  record.msExePath = psFile;
  record.msFileDateTime = FileDateText(facts.LastWriteLocalTime(psFile), facts.Separators());
  record.mlFileSize = facts.Length(psFile);
  record.moVersionInfo.File(psFile, facts);
}
