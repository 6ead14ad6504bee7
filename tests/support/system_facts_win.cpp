#include "system_facts.h"

namespace testing_support {

const char* const kRootDirectory = "C:\\";
const char* const kRootInstallRoot = "C:";
const char* const kExampleInstallRoot = "C:\\Outils\\Assistant";
const bool kNamesCompareWithoutCase = true;
const bool kLeadingPointHides = false;

}  // namespace testing_support
