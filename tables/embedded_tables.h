// The knowledge base as the build embeds it: every table's exact bytes
// (code page 1257, CR LF), addressed by its TableId. The definitions are
// generated from tables/kb/ at build time. On Windows the bytes are RCDATA
// resources of the program's module, one per table named by its TableId;
// every executable that reads tables links them in.
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

#ifdef _WIN32
// The RCDATA resource named tableId of the program's module, found and
// locked with FindResourceA, LoadResource, LockResource and SizeofResource;
// an empty table when there is none.
EmbeddedTable ResourceTable(int tableId);
#endif

#endif
