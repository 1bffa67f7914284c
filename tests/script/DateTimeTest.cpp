#include <gtest/gtest.h>

#include "DateTimeFunctions.h"
#include "DateTimeText.h"

namespace tarno {
namespace {

TEST(DateTime, SerialNumbersCountDaysSince30December1899) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(2024, 2, 29), 45351.0);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
  const CalendarDate date = DecodeDate(45352.75);
  EXPECT_EQ(date.year, 2024);
  EXPECT_EQ(date.month, 3);
  EXPECT_EQ(date.day, 1);
  EXPECT_EQ(DecodeDate(-1.5).day, 29);  // whole days toward zero
}

TEST(DateTime, InvalidDatesAndTimes) {
  double value = 7;
  EXPECT_FALSE(TryEncodeDate(2023, 2, 29, value));
  EXPECT_FALSE(TryEncodeDate(2100, 2, 29, value));
  EXPECT_TRUE(TryEncodeDate(2000, 2, 29, value));
  EXPECT_FALSE(TryEncodeDate(0, 1, 1, value));
  EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, value));
  EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, value));
  EXPECT_THROW(EncodeDate(2023, 13, 1), DateTimeError);
  try {
    EncodeTime(24, 0, 0, 0);
    ADD_FAILURE() << "EncodeTime(24, 0, 0, 0) raised nothing";
  } catch (const DateTimeError& e) {
    EXPECT_STREQ(e.what(), "Invalid argument to time encode");
  }
}

TEST(DateTime, TimeOfDayAndWeekday) {
  const ClockTime time = DecodeTime(EncodeTime(12, 30, 15, 500) + 25569);
  EXPECT_EQ(time.hour, 12);
  EXPECT_EQ(time.minute, 30);
  EXPECT_EQ(time.second, 15);
  EXPECT_EQ(time.millisecond, 500);
  EXPECT_EQ(DecodeTime(0.99999999999).hour, 23);  // rounding never gives 24:00
  EXPECT_EQ(DayOfWeek(0), 7);  // a Saturday
  EXPECT_EQ(DayOfWeek(45351), 5);
  EXPECT_EQ(DayOfWeek(-1.5), 6);
}

TEST(DateTime, UnixSeconds) {
  EXPECT_EQ(DateTimeToUnix(EncodeDate(2000, 1, 1)), 946684800);
  EXPECT_EQ(DateTimeToUnix(-1.5), -2209291200);
  EXPECT_EQ(UnixToDateTime(-86400), 25568.0);
}

TEST(DateTimeText, FormatTokens) {
  const double value = EncodeDate(2024, 2, 9) + EncodeTime(7, 5, 3, 45);
  EXPECT_EQ(FormatDateTimeText("d/m/yy h:n:s.z ddd dddd mmm mmmm am/pm ampm c", value),
            "9-2-24 7:5:3.45 Fri Friday Feb February am AM 9-2-24 07:05:03");
  EXPECT_EQ(FormatDateTimeText("", value), "9-2-24 07:05:03");
  EXPECT_EQ(FormatDateTimeText("\"lit\" yyyy 'q' hh:nn:ss.zzz t tt ddddd dddddd", value),
            "lit 2024 q 07:05:03.045 07:05 07:05:03 9-2-24 09 February 2024");
  EXPECT_EQ(FormatDateTimeText("hh:nn a/p AM/PM", value + 0.5), "07:05 p PM");
  EXPECT_EQ(FormatDateTimeText("hh:mm", value), "07:05");  // m after h is minutes
  EXPECT_EQ(FormatDateTimeText("c", EncodeDate(2024, 2, 9)), "9-2-24");
  EXPECT_EQ(DateToText(-1.5), "29-12-99");
}

TEST(DateTimeText, StrToDateReadsTheShortDateOrder) {
  EXPECT_EQ(TextToDate("9-2-2024", 2026), EncodeDate(2024, 2, 9));
  EXPECT_EQ(TextToDate(" 9-2-24 ", 2026), EncodeDate(2024, 2, 9));
  EXPECT_EQ(TextToDate("9-2-99", 2026), EncodeDate(1999, 2, 9));
  EXPECT_EQ(TextToDate("9-2", 2026), EncodeDate(2026, 2, 9));
  EXPECT_THROW(TextToDate("31-2-2024", 2026), DateTimeError);
  EXPECT_THROW(TextToDate("x", 2026), DateTimeError);
  EXPECT_THROW(TextToDate("9/2/2024", 2026), DateTimeError);
  EXPECT_THROW(TextToDate("1-2-3-4", 2026), DateTimeError);
}

}  // namespace
}  // namespace tarno
