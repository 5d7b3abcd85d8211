// The knowledge base as the build embeds it: every table's exact bytes
// (code page 1257, CR LF), addressed by its TableId. The definitions are
// generated from tables/kb/ at build time.
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
