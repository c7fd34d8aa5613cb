#ifndef BUILDINFO_H
#define BUILDINFO_H

// Facts fixed when the program was built.
namespace BuildInfo {
extern const char *const buildTime;   // "YYYY-MM-DD hh:mm:ss"
extern const char *const appVersion;  // "major.minor.YYMM.DDHH"
extern const char *const dataVersion; // fallback data version, "YYYYMMDDhhmmss"
}

#endif // BUILDINFO_H
