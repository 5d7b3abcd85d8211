// The C++ source that embeds a resource script's templates, defining
// FindEmbeddedDialog and FindEmbeddedMenu of embedded_resources.h.
#ifndef OMBRIX_PLATFORM_RCGEN_EMBEDDED_SOURCE_H
#define OMBRIX_PLATFORM_RCGEN_EMBEDDED_SOURCE_H

#include <string>

#include "resource_script.h"

std::string EmbeddedSource(const ResourceScript& script, const std::string& scriptName);

#endif
