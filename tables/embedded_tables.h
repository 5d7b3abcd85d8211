// The knowledge base as the build embeds it: every table's exact bytes
// (code page 1257, CR LF), addressed by its TableId. The definitions are
// generated from tables/kb/ at build time. On Windows the bytes are RCDATA
// resources of the program's module, one per table named by its TableId,
// which platform/win32/resource_table.h finds; every executable that reads
// tables links them in.
#ifndef OMBRIX_TABLES_EMBEDDED_TABLES_H
#define OMBRIX_TABLES_EMBEDDED_TABLES_H

struct EmbeddedTable {
  int id;
  const char* bytes;
  int size;
};

extern const EmbeddedTable kEmbeddedTables[];
extern const int kEmbeddedTableCount;

// The table with this identifier, or nullptr.
const EmbeddedTable* FindEmbeddedTable(int tableId);

#endif
