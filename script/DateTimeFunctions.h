// Date and time values as scripts see them: TDateTime is a Double counting
// days since 30 December 1899, the time of day as its fraction.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace tarno {

class DateTimeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct CalendarDate {
  int year = 0, month = 0, day = 0;
};
struct ClockTime {
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

bool TryEncodeDate(int year, int month, int day, double& value);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, double& value);
// Throw DateTimeError for an invalid date or time.
double EncodeDate(int year, int month, int day);
double EncodeTime(int hour, int minute, int second, int millisecond);

// The date part counts whole days toward zero; a negative value's time is
// its fraction taken positive.
CalendarDate DecodeDate(double value);
ClockTime DecodeTime(double value);
int DayOfWeek(double value);  // 1 = Sunday ... 7 = Saturday

double Now();  // local time
double Today();
double TimeOfDay();

int64_t DateTimeToUnix(double value);  // seconds, rounded
double UnixToDateTime(int64_t seconds);

}  // namespace tarno
