// The knowledge base's bytes on Windows: the tables are RCDATA resources of
// the program's module, and the list that kb_convert generates for this
// build reads each one when the program starts.
#ifndef OMBRIX_PLATFORM_WIN32_RESOURCE_TABLE_H
#define OMBRIX_PLATFORM_WIN32_RESOURCE_TABLE_H

#include "tables/embedded_tables.h"

// The RCDATA resource named tableId of the program's module, found and
// locked with FindResourceA, LoadResource, LockResource and SizeofResource;
// an empty table when there is none.
EmbeddedTable ResourceTable(int tableId);

#endif
