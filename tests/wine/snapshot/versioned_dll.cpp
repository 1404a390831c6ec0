// A library that does nothing; the tests load it for its version resource.
extern "C" int KesVersionedProbe() { return 1; }
