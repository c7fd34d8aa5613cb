#ifndef RESOURCEREGISTRY_H
#define RESOURCEREGISTRY_H

// Registers the compiled-in resource files (":/images/", ":/recordings/",
// ":/languages/", ...). Safe to call more than once.
void registerAlmarikResources();

#endif // RESOURCEREGISTRY_H
