#ifndef ALMARIKPROVENANCE_H
#define ALMARIKPROVENANCE_H

// Optional entry point of the timetable data plug-in, beside getApi and
// freeApi: where its times come from.
//
//   extern "C" const char *almarikProvenance();
//
// The text (ASCII, static, owned by the plug-in) holds one statement a
// line, words separated by single spaces:
//   published YEAR...      years of the JAKIM zones taken exactly from
//                          JAKIM's published tables
//   carried YEAR           the published year that the JAKIM zones' other
//                          years are computed from by JAKIM's method
//   convention ZONE CODE   a place abroad whose zone is computed by the
//                          calculation convention CODE (MWL, ISNA, ...)
// Readers skip lines they do not know. A plug-in without this entry point
// tells nothing about where its times come from.
#define ALMARIK_PROVENANCE_SYMBOL "almarikProvenance"

using AlmarikProvenanceFunction = const char *(*)();

#endif // ALMARIKPROVENANCE_H
