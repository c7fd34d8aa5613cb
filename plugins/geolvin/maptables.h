#ifndef MAPTABLES_H
#define MAPTABLES_H

// Constants of the location data plug-in, generated at build time by
// almarik-embed from data/places.csv.
namespace MapTables {

extern const char version[];       // 16 digits
extern const char locationTree[];  // UTF-8 XML text

} // namespace MapTables

#endif // MAPTABLES_H
