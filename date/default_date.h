// The date the program starts with: the initial text of the window's date
// input, and the date that ombrix-report reads when given none. It is held
// here alone; the resource script includes this header as well, so it holds
// #define lines only, and a build script may read the quoted text.
#ifndef OMBRIX_DATE_DEFAULT_DATE_H
#define OMBRIX_DATE_DEFAULT_DATE_H

#define OMBRIX_DEFAULT_DATE "27. Oktoober 1980"

#endif
