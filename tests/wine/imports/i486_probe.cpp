// Built for the Pentium III, so the i486 check must name what the compiler
// picks there: a conditional move for the choice, fcomi for the comparison
// of the two doubles, rdtsc for the cycle counter, and SSE registers for the
// floats. Never run; only disassembled.
#include <x86intrin.h>

volatile int first = 1;
volatile int second = 2;
volatile double low = 1.0;
volatile double high = 2.0;
volatile float scale = 3.0F;

int main() {
  const int a = first;
  const int b = second;
  const int larger = a > b ? a : b;
  const double l = low;
  const double h = high;
  const int ordered = l < h ? 1 : 0;
  const float scaled = scale * scale;
  return larger + ordered + static_cast<int>(__rdtsc() & 1U) + static_cast<int>(scaled);
}
