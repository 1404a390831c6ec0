// A library that does nothing; the benchmark's helper processes load copies
// of it so that every process has modules with version resources.
extern "C" int KesBenchProbe() { return 1; }
