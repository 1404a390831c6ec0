// A library that does nothing; the tests load it for its version resource.
extern "C" __declspec(dllexport) int KesVersionedProbe() { return 1; }
