#ifndef CONVENTIONSDATA_H
#define CONVENTIONSDATA_H

// The text of data/conventions.csv, built into the program.
const char *builtInConventionsCsv();

#endif // CONVENTIONSDATA_H
