// The C++ source that embeds a resource script's templates and icons,
// defining FindEmbeddedDialog, FindEmbeddedMenu and ProgramIcon of
// embedded_resources.h. The version information is checked, not embedded:
// nothing on Linux reads it.
#ifndef OMBRIX_PLATFORM_RCGEN_EMBEDDED_SOURCE_H
#define OMBRIX_PLATFORM_RCGEN_EMBEDDED_SOURCE_H

#include <string>

#include "platform/rcgen/resource_script.h"

std::string EmbeddedSource(const ResourceScript& script, const std::string& scriptName);

#endif
