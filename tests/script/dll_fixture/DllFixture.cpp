// A small shared library for the external-routine tests: one function per
// argument and result kind the dll library passes.
#include <cerrno>
#include <cstdint>
#include <cstring>

extern "C" {

int8_t fixture_neg8(int8_t v) { return static_cast<int8_t>(-v); }
uint8_t fixture_next_byte(uint8_t v) { return static_cast<uint8_t>(v + 1); }
int16_t fixture_neg16(int16_t v) { return static_cast<int16_t>(-v); }
uint16_t fixture_add16(uint16_t a, uint16_t b) { return static_cast<uint16_t>(a + b); }
uint32_t fixture_max_cardinal() { return 0xFFFFFFFFu; }
int64_t fixture_mul64(int64_t a, int64_t b) { return a * b; }
float fixture_half(float v) { return v / 2; }
bool fixture_is_even(int32_t v) { return v % 2 == 0; }
char fixture_upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
uint16_t fixture_wide_next(uint16_t c) { return static_cast<uint16_t>(c + 1); }
const char* fixture_greeting() { return "hello from the fixture"; }

// Mixed integer and floating-point arguments, in registers and on the stack.
double fixture_mix(int32_t a, double b, uint8_t c, int64_t d, float e, int32_t f, int32_t g, int32_t h,
                   int32_t i, double j, double k, double l, double m, double n, double o, double p) {
  return a + b + c + static_cast<double>(d) + e + f + g + h + i + j + k + l + m + n + o + p;
}

int32_t fixture_count_char(const char* s, char c) {
  int32_t n = 0;
  for (; *s; ++s) n += *s == c;
  return n;
}

void fixture_add_to(int32_t* x, int32_t d) { *x += d; }
void fixture_scale(double* v, double f) { *v *= f; }

int32_t fixture_fail_with(int32_t e) {
  errno = e;
  return -1;
}
}
