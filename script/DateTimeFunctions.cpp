#include "DateTimeFunctions.h"

#include <chrono>
#include <algorithm>
#include <cmath>
#include <ctime>
#include <string>

namespace tarno {

namespace {

constexpr int64_t kUnixEpochDays = 25569;  // 1 January 1970
constexpr double kSecondsPerDay = 86400.0;
constexpr int64_t kMillisecondsPerDay = 86400000;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

CalendarDate CivilFromDays(int64_t days) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  const int64_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
  const int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
  return {static_cast<int>(yearOfEra + era * 400 + (month <= 2)), static_cast<int>(month), static_cast<int>(day)};
}

int64_t MillisecondOfDay(double value) {
  const double fraction = std::fabs(value - std::trunc(value));
  const auto ms = static_cast<int64_t>(std::llround(fraction * static_cast<double>(kMillisecondsPerDay)));
  return ms >= kMillisecondsPerDay ? kMillisecondsPerDay - 1 : ms;
}

std::tm LocalNow(int& millisecond) {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  millisecond = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  return local;
}

}  // namespace

bool TryEncodeDate(int year, int month, int day, double& value) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return false;
  value = static_cast<double>(DaysFromCivil(year, month, day) + kUnixEpochDays);
  return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, double& value) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
      millisecond > 999)
    return false;
  const int64_t ms = ((static_cast<int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
  value = static_cast<double>(ms) / static_cast<double>(kMillisecondsPerDay);
  return true;
}

double EncodeDate(int year, int month, int day) {
  double value = 0;
  if (!TryEncodeDate(year, month, day, value))
    throw DateTimeError("Invalid argument to date encode");
  return value;
}

double EncodeTime(int hour, int minute, int second, int millisecond) {
  double value = 0;
  if (!TryEncodeTime(hour, minute, second, millisecond, value))
    throw DateTimeError("Invalid argument to time encode");
  return value;
}

CalendarDate DecodeDate(double value) {
  if (!std::isfinite(value) || std::fabs(value) > 1e8) return {};
  return CivilFromDays(static_cast<int64_t>(std::trunc(value)) - kUnixEpochDays);
}

ClockTime DecodeTime(double value) {
  if (!std::isfinite(value)) return {};
  int64_t ms = MillisecondOfDay(value);
  ClockTime time;
  time.millisecond = static_cast<int>(ms % 1000);
  ms /= 1000;
  time.second = static_cast<int>(ms % 60);
  ms /= 60;
  time.minute = static_cast<int>(ms % 60);
  time.hour = static_cast<int>(ms / 60);
  return time;
}

int DayOfWeek(double value) {
  if (!std::isfinite(value) || std::fabs(value) > 1e15) return 1;
  const auto days = static_cast<int64_t>(std::trunc(value));
  return static_cast<int>(((days - 1) % 7 + 7) % 7) + 1;
}

double Now() {
  int millisecond = 0;
  const std::tm local = LocalNow(millisecond);
  double date = 0, time = 0;
  TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, date);
  TryEncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), millisecond, time);
  return date + time;
}

double Today() { return std::trunc(Now()); }

double TimeOfDay() {
  const double now = Now();
  return now - std::trunc(now);
}

int64_t DateTimeToUnix(double value) {
  return std::llround((value - static_cast<double>(kUnixEpochDays)) * kSecondsPerDay);
}

double UnixToDateTime(int64_t seconds) {
  return static_cast<double>(seconds) / kSecondsPerDay + static_cast<double>(kUnixEpochDays);
}

}  // namespace tarno
