#include "snapshot/module.h"

#include "snapshot/file_facts_record.h"

void clsModule::ExePath(const std::string& psFile, platform::FileFacts& facts) {
  CollectFileFacts(*this, psFile, facts);
}
