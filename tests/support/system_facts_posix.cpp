#include "system_facts.h"

namespace testing_support {

const char* const kRootDirectory = "/";
const char* const kRootInstallRoot = "";
const char* const kExampleInstallRoot = "/opt/zvc";
const bool kNamesCompareWithoutCase = false;
const bool kLeadingPointHides = true;

}  // namespace testing_support
