// Compiled as a part of one library, this file includes a header of another:
// it builds only when the library may see that folder.
#include PROBE_HEADER
